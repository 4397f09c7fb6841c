// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_report.h"

#include "../order/parts_list.h"
#include "../selection/accessory_catalog.h"
#include "calculation_report.h"

#include <algorithm>
#include <array>

namespace kavro {

namespace {

using report_typing::line;

// Column captions and preferred widths (points, 525 in all, as the single
// report's tables) of the openings table and the parts list; each column
// holds its caption at 12 points without breaking the word.
constexpr std::array<std::string_view, 10> kOpeningsHeader = {
    "№", "Проём", "Кол-во", "Ш × В", "Профиль", "Вал", "Масса", "Момент", "Привод", "Время"};
constexpr std::array<double, 10> kOpeningsWidths = {22, 62, 52, 62, 62, 34, 47, 56, 80, 48};
constexpr std::array<Alignment, 10> kOpeningsAlignment = {
    Alignment::Center, Alignment::Left,   Alignment::Center, Alignment::Center, Alignment::Left,
    Alignment::Center, Alignment::Center, Alignment::Center, Alignment::Left,   Alignment::Center};
constexpr std::array<std::string_view, 4> kPartsHeader = {"Артикул", "Наименование", "Количество",
                                                          "Проёмы"};
constexpr std::array<double, 4> kPartsWidths = {90, 270, 85, 80};
constexpr std::array<Alignment, 4> kPartsAlignment = {Alignment::Center, Alignment::Left,
                                                      Alignment::Center, Alignment::Left};

template <std::size_t N>
void tableRow(WordProcessor& word, int table, int row, const std::array<std::string, N>& cells,
              const std::array<Alignment, N>& alignment) {
    word.addRow(table);
    for (std::size_t c = 0; c < N; ++c) {
        const int column = static_cast<int>(c) + 1;
        word.setCellAlignment(table, row, column, alignment[c]);
        word.setCellText(table, row, column, cells[c]);
    }
}

std::string joined(const std::string& a, const std::string& b) {
    return a.empty() || b.empty() ? a + b : a + " " + b;
}

// How many of `article` the opening takes in all: its quantity (entries for
// the same article add up) times the count.
std::int64_t wanted(const Opening& opening, const std::string& article) {
    std::int64_t quantity = 0;
    for (const AccessoryQuantity& a : opening.accessories)
        if (a.article == article && a.quantity > 0)
            quantity += a.quantity;
    return quantity * opening.count;
}

class OrderReport {
public:
    OrderReport(const Order& order, const std::vector<OpeningResults>& results, WordProcessor& word)
        : order_(order), results_(results), word_(word) {}

    void run(std::string_view date, const FirmDetails* firm) {
        report_typing::openDocument(word_, firm);
        report_typing::title(word_);
        word_.setAlignment(Alignment::Left);
        word_.setFontSize(12);
        word_.setBold(true);
        word_.typeText(line("Заказ: " + order_.title));
        word_.setBold(false);
        word_.typeText(line("Дата: " + std::string(date)));
        openingsTable();
        partsList();
        for (std::size_t i = 0; i < order_.openings.size(); ++i)
            openingSections(i);
        word_.handOver();
    }

private:
    const OpeningResults& results(std::size_t i) const {
        return i < results_.size() ? results_[i] : kNone;
    }

    std::string title(std::size_t i) const {
        return "Проём № " + std::to_string(i + 1) + " " + order_.openings[i].location;
    }

    // A new section after whatever table came before.
    void section(std::string_view heading) {
        word_.moveToEnd();
        word_.setAlignment(Alignment::Left);
        report_typing::heading(word_, heading);
        word_.typeText(line(" "));
    }

    void openingsTable() {
        section("Проёмы");
        const int table = report_typing::headedTable(word_, kOpeningsHeader, kOpeningsWidths);
        for (std::size_t i = 0; i < order_.openings.size(); ++i) {
            const Opening& o = order_.openings[i];
            const OpeningResults& r = results(i);
            const std::array<std::string, 10> cells = {
                std::to_string(i + 1),
                o.location,
                std::to_string(o.count),
                o.inputs.width + " × " + o.inputs.height,
                joined(o.inputs.profile, o.inputs.profileType),
                o.inputs.shaft,
                r.mass,
                r.torque,
                joined(r.driveArticle, r.driveName),
                r.time};
            tableRow(word_, table, static_cast<int>(i) + 2, cells, kOpeningsAlignment);
        }
        word_.moveToEnd();
        for (std::size_t i = 0; i < order_.openings.size(); ++i)
            if (results(i).narrow)
                word_.typeText(line(title(i) + ": " + captions_.Label27.caption()));
    }

    void partsList() {
        section("Ведомость комплектующих");
        const int table = report_typing::headedTable(word_, kPartsHeader, kPartsWidths);
        int row = 2;
        for (const PartsListLine& part : makePartsList(order_, results_)) {
            const std::array<std::string, 4> cells = {part.article, part.name,
                                                      std::to_string(part.quantity),
                                                      openingNumbers(part.openings)};
            tableRow(word_, table, row++, cells, kPartsAlignment);
        }
    }

    void openingSections(std::size_t i) {
        const Opening& o = order_.openings[i];
        word_.moveToEnd();
        word_.setAlignment(Alignment::Left);
        report_typing::heading(word_, title(i) + ", " + std::to_string(o.count) + " шт.");
        for (const std::string& problem : results(i).problems)
            word_.typeText(line("Замечание: " + problem));
        report_typing::calculation(word_, reported(o, results(i)));
    }

    ReportedCalculation reported(const Opening& o, const OpeningResults& r) const {
        ReportedCalculation c;
        c.inputs = o.inputs;
        c.mass = r.mass;
        c.torque = r.torque;
        c.maxRoll = r.maxRoll;
        c.turns = r.turns;
        c.speed = r.speed;
        c.time = r.time;
        c.drive = {r.driveArticle, r.driveName, std::nullopt};
        if (!r.driveArticle.empty())
            c.drive.quantity = std::to_string(o.count);
        for (const auto& row : r.accessories)
            c.accessories.push_back({row.at(0), row.at(1), std::to_string(wanted(o, row.at(0)))});
        for (const AccessoryQuantity& a : o.accessories) {
            const bool listed =
                std::any_of(c.accessories.begin(), c.accessories.end(),
                            [&](const ReportedItem& item) { return item.article == a.article; });
            if (a.quantity > 0 && !listed)
                c.accessories.push_back({a.article, std::string(accessoryDescription(a.article)),
                                         std::to_string(wanted(o, a.article))});
        }
        if (c.accessories.empty())
            c.accessories.emplace_back(); // the table's one blank row
        return c;
    }

    static inline const OpeningResults kNone{};

    const Order& order_;
    const std::vector<OpeningResults>& results_;
    WordProcessor& word_;
    // The window's own captions of the choices and of the warning.
    const WindowState captions_;
};

} // namespace

void typeOrderReport(const Order& order, const std::vector<OpeningResults>& results,
                     std::string_view date, WordProcessor& word, const FirmDetails* firm) {
    OrderReport(order, results, word).run(date, firm);
}

} // namespace kavro
