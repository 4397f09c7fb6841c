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

    EXPECT_TRUE(typed(calls, "Заказ: Дом на Лесной") && typed(calls, "Дата: 07.12.2026"));
    // Table 1, the openings.
    EXPECT_EQ(cell(calls, 1, 2, 9), "4100042 MR 40 Ebro");
    EXPECT_TRUE(typed(calls, "Проём № 2 Гараж: Узкая конструкция. Для консультации свяжитесь с "
                             "сотрудником компании!"));
    // Table 2, the parts list: the adapter's 2 × 999 in opening 1.
    EXPECT_EQ(cell(calls, 2, 4, 3), "1998");
    // Tables 3 and 4, the kitchen's drive and accessories; 0 for one not wanted.
    EXPECT_EQ(cell(calls, 3, 2, 3), "999");
    EXPECT_EQ(cell(calls, 4, 2, 3), "1998");
    EXPECT_EQ(cell(calls, 4, 3, 3), "0");
    // Table 6, the garage's accessories: the bracket it is not offered is
    // still listed, last (after 4, 5, 8 and 10), and the opening says why.
    EXPECT_EQ(cell(calls, 6, 6, 1) + " × " + cell(calls, 6, 6, 3), "4200009 × 1");
    EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [](const std::string& c) {
        return c.starts_with("typeText: \r\nЗамечание: Аксессуар 4200009");
    }));
}

// The order report is headed by the same letterhead as the single report.
TEST(OrderReport, IsHeadedByTheFirmsLetterhead) {
    FirmDetails firm;
    firm.name = "ООО «Ставни»";
    firm.address = "Тверь";
    RecordingWordProcessorLauncher launcher;
    typeOrderReport(Order{"Дом", {}}, {}, "07.12.2026", *launcher.launch(), &firm);
    const Calls& calls = launcher.calls;
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "addDocument");
    const auto name = std::find(calls.begin(), calls.end(), "typeText: ООО «Ставни»");
    const auto address = std::find(calls.begin(), calls.end(), "typeText: \r\nТверь");
    const auto order = std::find(calls.begin(), calls.end(), "typeText: \r\nЗаказ: Дом");
    EXPECT_LT(name, address);
    EXPECT_LT(address, order);
    EXPECT_NE(order, calls.end());
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "openTemplate"), 0);
}

} // namespace
} // namespace kavro
