// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "price_list.h"

#include "csv_table.h"
#include "firm_file.h"
#include "sheet_table.h"
#include "text_rules.h"

#include <algorithm>
#include <array>
#include <optional>

namespace kavro {

namespace {

enum class PriceColumn { Article, Price, Name };

constexpr std::array<std::string_view, 3> kNames = {"Артикул", "Цена, руб.", "Наименование"};
// A price list is a catalogue's length, far below this.
constexpr std::size_t kMaxRows = kMaxPriceListRows;
constexpr std::size_t kMaxBytes = 64u << 20;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::optional<PriceColumn> columnByName(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (trimmed(name) == kNames[i])
            return static_cast<PriceColumn>(i);
    return std::nullopt;
}

std::string inQuotes(std::string_view text) {
    return "«" + std::string(text) + "»";
}

std::vector<std::optional<PriceColumn>> readHeader(const CsvRow& names,
                                                   std::vector<CsvCellError>& errors) {
    std::vector<std::optional<PriceColumn>> columns;
    for (const std::string& cell : names) {
        const auto column = columnByName(cell);
        if (!column)
            errors.push_back(
                {1, {}, inQuotes(trimmed(cell)) + ": неизвестный столбец (опечатка в названии?)"});
        else if (std::find(columns.begin(), columns.end(), column) != columns.end())
            errors.push_back({1, {}, inQuotes(trimmed(cell)) + ": столбец назван дважды"});
        columns.push_back(column);
    }
    for (PriceColumn needed : {PriceColumn::Article, PriceColumn::Price})
        if (std::find(columns.begin(), columns.end(), needed) == columns.end())
            errors.push_back(
                {1, {}, "нет столбца " + inQuotes(kNames[static_cast<std::size_t>(needed)])});
    return columns;
}

bool isBlank(const CsvRow& row) {
    return std::all_of(row.begin(), row.end(),
                       [](const std::string& cell) { return trimmed(cell).empty(); });
}

} // namespace

PriceList importPriceList(std::string_view text) {
    PriceList list;
    if (text.size() > kMaxBytes) {
        list.errors.push_back({0, {}, "файл больше 64 МиБ"});
        return list;
    }
    text = withoutByteOrderMark(text);
    std::vector<CsvRow> rows;
    try {
        rows = readCsv(
            text,
            detectSeparator(text, [](std::string_view n) { return columnByName(n).has_value(); }),
            kMaxRows + 1);
    } catch (const CsvSyntaxError& error) {
        list.errors.push_back({error.row(), {}, error.what()});
        return list;
    }
    return priceListOfRows(rows);
}

PriceList priceListOfRows(const std::vector<CsvRow>& rows) {
    PriceList list;
    if (rows.size() > kMaxRows + 1) {
        list.errors.push_back(
            {static_cast<int>(kMaxRows) + 2, {}, "строк больше " + std::to_string(kMaxRows + 1)});
        return list;
    }
    if (rows.empty()) {
        list.errors.push_back({0, {}, "файл пуст: нет строки с названиями столбцов"});
        return list;
    }
    const std::vector<std::optional<PriceColumn>> columns = readHeader(rows.front(), list.errors);
    if (!list.errors.empty())
        return list;
    // Where each column stands on the sheet (from 1), so that a workbook's
    // fault is placed by its cell.
    std::array<int, 3> sheetColumn{};
    for (std::size_t c = 0; c < columns.size(); ++c)
        sheetColumn[static_cast<std::size_t>(*columns[c])] = static_cast<int>(c) + 1;
    // The row where each article was first listed, for the repeat's message.
    std::map<std::string, int, std::less<>> firstRow;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const int rowNumber = static_cast<int>(r) + 1;
        if (isBlank(rows[r]))
            continue;
        std::array<std::string, 3> cells;
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (c >= columns.size()) {
                if (!trimmed(rows[r][c]).empty())
                    list.errors.push_back(
                        {rowNumber,
                         {},
                         "ячейка " + std::to_string(c + 1) + " правее последнего столбца"});
            } else {
                cells[static_cast<std::size_t>(*columns[c])] = std::string(trimmed(rows[r][c]));
            }
        }
        const std::string& article = cells[0];
        const std::size_t errorsBefore = list.errors.size();
        for (std::size_t c : {0u, 2u})
            if (const auto fault = textFault(cells[c]))
                list.errors.push_back({rowNumber, std::string(kNames[c]), *fault, sheetColumn[c]});
        if (article.empty())
            list.errors.push_back(
                {rowNumber, std::string(kNames[0]), "пустой артикул", sheetColumn[0]});
        auto price = parsePrice(cells[1]);
        if (auto* reason = std::get_if<std::string>(&price))
            list.errors.push_back({rowNumber, std::string(kNames[1]), *reason, sheetColumn[1]});
        if (list.errors.size() != errorsBefore)
            continue;
        if (const auto seen = firstRow.find(article); seen != firstRow.end()) {
            list.errors.push_back(
                {rowNumber, std::string(kNames[0]),
                 "артикул " + article + " уже указан в строке " + std::to_string(seen->second),
                 sheetColumn[0]});
            continue;
        }
        firstRow.emplace(article, rowNumber);
        list.articles.emplace(article, PricedArticle{std::get<Money>(price), cells[2]});
    }
    if (!list.errors.empty())
        list.articles.clear();
    return list;
}

std::string priceListText(const Prices& prices) {
    SheetTable table;
    table.names = {std::string(kNames[0]), std::string(kNames[2]), std::string(kNames[1])};
    table.numbers = {false, false, false};
    for (const auto& [article, priced] : prices)
        table.rows.push_back({article, priced.name, plainMoneyText(priced.price)});
    return csvText(table);
}

std::filesystem::path userPriceListPath() {
    const std::filesystem::path firm = userFirmFilePath();
    return firm.empty() ? firm : firm.parent_path() / "prices.csv";
}

std::string priceListRefusal(std::string_view name, const PriceList& list) {
    // More would fill the message box beyond the screen.
    constexpr std::size_t kFaultsShown = 20;
    std::string text = "Прайс-лист «" + std::string(name) + "» не взят:";
    for (std::size_t i = 0; i < list.errors.size() && i < kFaultsShown; ++i)
        text +=
            "\n" + (list.cellAddresses ? describeCell(list.errors[i]) : describe(list.errors[i]));
    if (list.errors.size() > kFaultsShown)
        text += "\n… и ещё " + std::to_string(list.errors.size() - kFaultsShown);
    return text;
}

} // namespace kavro
