// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/order/opening_calculator.h"
#include "core/platform/recording_word_processor.h"
#include "core/report/order_report.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace kavro {
namespace {

using Calls = std::vector<std::string>;

Calls typeReport(const Order& order) {
    std::vector<OpeningResults> results;
    for (const Opening& opening : order.openings)
        results.push_back(OpeningCalculator::compute(opening));
    RecordingWordProcessorLauncher launcher;
    typeOrderReport(order, results, "07.12.2026", *launcher.launch());
    return launcher.calls;
}

// The text written into a cell, or "(none)" when nothing was.
std::string cell(const Calls& calls, int table, int row, int column) {
    const std::string head = "setCellText: " + std::to_string(table) + " " + std::to_string(row) +
                             " " + std::to_string(column) + " ";
    for (const std::string& call : calls)
        if (call.starts_with(head))
            return call.substr(head.size());
    return "(none)";
}

bool typed(const Calls& calls, const std::string& text) {
    return std::find(calls.begin(), calls.end(), "typeText: \r\n" + text) != calls.end();
}

TEST(OrderReport, ListsOpeningsPartsAndEachOpeningWithItsQuantities) {
    Order order{"Дом на Лесной", {}};
    order.openings.resize(2);
    order.openings[0].location = "Кухня";
    order.openings[0].count = 999;
    order.openings[0].accessories = {{"4200001", 2}};
    order.openings[1].location = "Гараж";
    order.openings[1].inputs.shaft = "60";
    order.openings[1].inputs.width = "600";
    order.openings[1].accessories = {{"4200009", 1}};
    const Calls calls = typeReport(order);

    EXPECT_TRUE(typed(calls, "Заказ: Дом на Лесной"));
    EXPECT_TRUE(typed(calls, "Дата: 07.12.2026"));
    // Table 1, the openings.
    const Calls first = {"1",  "Кухня", "999", "1000 × 2000",        "Другой",
                         "40", "2,5",   "1",   "4100042 MR 40 Ebro", "0 мин 33 сек"};
    for (int column = 1; column <= 10; ++column)
        EXPECT_EQ(cell(calls, 1, 2, column), first[column - 1]) << column;
    EXPECT_EQ(cell(calls, 1, 3, 4), "600 × 2000");
    EXPECT_TRUE(typed(calls, "Проём № 2 Гараж: Узкая конструкция. Для консультации свяжитесь с "
                             "сотрудником компании!"));
    EXPECT_FALSE(typed(calls, "Проём № 1 Кухня: Узкая конструкция. Для консультации свяжитесь с "
                              "сотрудником компании!"));
    // Table 2, the parts list: the Ebro's 999, the adapter's 2 × 999.
    EXPECT_EQ(cell(calls, 2, 2, 3), "999");
    EXPECT_EQ(cell(calls, 2, 4, 1), "4200001");
    EXPECT_EQ(cell(calls, 2, 4, 3), "1998");
    EXPECT_EQ(cell(calls, 2, 4, 4), "1");
    // Tables 3 and 4, the kitchen's drive and accessories; 0 for one not wanted.
    EXPECT_EQ(cell(calls, 3, 2, 3), "999");
    EXPECT_EQ(cell(calls, 4, 2, 3), "1998");
    EXPECT_EQ(cell(calls, 4, 3, 3), "0");
    // Table 6, the garage's accessories: the bracket it is not offered is
    // still listed, last, and the opening says why.
    EXPECT_EQ(cell(calls, 6, 6, 1), "4200009");
    EXPECT_EQ(cell(calls, 6, 6, 3), "1");
    EXPECT_EQ(cell(calls, 6, 7, 1), "(none)");
    EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [](const std::string& c) {
        return c.starts_with("typeText: \r\nЗамечание: Аксессуар 4200009");
    }));
    EXPECT_EQ(calls.back(), "handOver");
}

// An empty order still gives both tables with their headers, nothing else.
TEST(OrderReport, AnEmptyOrderHasTheTwoHeadedTablesOnly) {
    const Calls calls = typeReport(Order{});
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "addTable: 1 10"), 1);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "addTable: 1 4"), 1);
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& c) { return c.starts_with("addRow"); }),
              0);
    EXPECT_EQ(calls.back(), "handOver");
}

} // namespace
} // namespace kavro
