// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quotation_report.h"

#include "../money/money.h"
#include "calculation_report.h"

#include <array>
#include <cstdio>

namespace kavro {

namespace {

using report_typing::line;

// Column captions and widths (points, 525 in all, as the other reports'
// tables).
constexpr std::array<std::string_view, 5> kHeader = {"Артикул", "Наименование", "Количество",
                                                     "Цена, руб.", "Сумма, руб."};
constexpr std::array<double, 5> kWidths = {70, 215, 80, 80, 80};
constexpr std::array<Alignment, 5> kAlignment = {
    Alignment::Center, Alignment::Left, Alignment::Center, Alignment::Center, Alignment::Center};

void tableRows(WordProcessor& word, const std::vector<QuotationRow>& rows) {
    const int table = report_typing::headedTable(word, kHeader, kWidths);
    int row = 2;
    for (const QuotationRow& r : rows) {
        const std::array<const std::string*, 5> cells = {&r.article, &r.name, &r.quantity, &r.price,
                                                         &r.sum};
        word.addRow(table);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const int column = static_cast<int>(c) + 1;
            word.setCellAlignment(table, row, column, kAlignment[c]);
            word.setCellText(table, row, column, *cells[c]);
            if (r.total)
                word.setCellBold(table, row, column, true);
        }
        ++row;
    }
}

} // namespace

void typeQuotation(const Quotation& quotation, std::string_view number, std::string_view date,
                   WordProcessor& word, const FirmDetails* firm) {
    report_typing::openDocument(word, firm);
    word.setAlignment(Alignment::Center);
    word.setFontSize(14);
    word.setBold(true);
    word.typeText("Коммерческое предложение № " + std::string(number) + " от " + std::string(date));
    word.typeText(line(" "));
    word.setAlignment(Alignment::Left);
    word.setFontSize(12);
    word.setBold(false);
    word.typeText(line("Заказчик: " + quotation.customer));
    word.typeText(line(" "));
    std::vector<QuotationRow> rows = quotationRows(quotation, moneyText);
    // The last row, the amount in words, goes below the table, where a line
    // of its length has room.
    rows.pop_back();
    tableRows(word, rows);
    word.moveToEnd();
    word.setAlignment(Alignment::Left);
    word.typeText(line(" "));
    word.setBold(true);
    word.typeText(line("Сумма прописью: " + (quotation.totals ? quotation.totals->dueInWords
                                                              : std::string(kNotCounted))));
    word.setBold(false);
    if (!quotation.complete()) {
        word.typeText(line(" "));
        word.typeText(line("Предложение неполное. " + unpricedSentence(quotation)));
    }
    word.handOver();
}

std::string quotationNumber(int year, int month, int day, int hour, int minute) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d%02d%02d-%02d%02d", year % 100, month, day, hour, minute);
    return text;
}

} // namespace kavro
