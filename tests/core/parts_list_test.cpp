// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/order/parts_list.h"

#include <gtest/gtest.h>

namespace kavro {
namespace {

Opening opening(int count, std::vector<AccessoryQuantity> accessories) {
    Opening o;
    o.count = count;
    o.accessories = std::move(accessories);
    return o;
}

OpeningResults withDrive(std::string article, std::string name) {
    OpeningResults r;
    r.driveArticle = std::move(article);
    r.driveName = std::move(name);
    r.accessories = {{"4200001", "Адаптер из списка"}, {"4200003", "Комплект из списка"}};
    return r;
}

struct PartsCase {
    const char* name;
    Order order;
    std::vector<OpeningResults> results;
    std::vector<PartsListLine> expected;
};

TEST(PartsList, SumsDrivesAndAccessoriesInTheOrderOfFirstUse) {
    const OpeningResults ebro = withDrive("4100042", "MR 40 Ebro");
    const OpeningResults gala = withDrive("4100043", "MR 40 Gala 9/14");
    const std::vector<PartsCase> cases = {
        {"AnEmptyOrder", {}, {}, {}},
        {"CountOneAndTheLargestCount",
         {"", {opening(1, {}), opening(999, {{"4200001", 999}})}},
         {ebro, ebro},
         {{"4100042", "MR 40 Ebro", 1000, {1, 2}}, {"4200001", "Адаптер из списка", 998001, {2}}}},
        {"QuantityZeroIsLeftOut",
         {"", {opening(2, {{"4200003", 0}, {"4200001", 1}})}},
         {ebro},
         {{"4100042", "MR 40 Ebro", 2, {1}}, {"4200001", "Адаптер из списка", 2, {1}}}},
        {"FirstUseDecidesDrivesComeFirst",
         {"",
          {opening(1, {{"4200003", 1}}), opening(3, {{"4200001", 2}, {"4200003", 1}}),
           opening(1, {})}},
         {gala, ebro, gala},
         {{"4100043", "MR 40 Gala 9/14", 2, {1, 3}},
          {"4100042", "MR 40 Ebro", 3, {2}},
          {"4200003", "Комплект из списка", 4, {1, 2}},
          {"4200001", "Адаптер из списка", 6, {2}}}},
        {"AnAccessoryTwiceInOneOpeningIsOneLine",
         {"", {opening(2, {{"4200001", 1}, {"4200001", 4}})}},
         {ebro},
         {{"4100042", "MR 40 Ebro", 2, {1}}, {"4200001", "Адаптер из списка", 10, {1}}}},
        {"NoDriveFitsAndAnAccessoryNotOfferedIsKept",
         {"", {opening(1, {{"4200009", 1}, {"KV-9", 1}})}},
         {OpeningResults{}},
         {{"4200009",
           "Крепление для приводов KX 50,60 с пластиной 100х100 (крышка роллеты более 250 мм)",
           1,
           {1}},
          {"KV-9", "", 1, {1}}}},
    };
    for (const PartsCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(makePartsList(c.order, c.results), c.expected);
    }
}

// The largest order at its limits sums past what 32 bits hold.
TEST(PartsList, TheLargestOrderSumsInSixtyFourBits) {
    Order order;
    order.openings.assign(Order::kMaxOpenings, opening(999, {{"4200001", 999}}));
    const std::vector<OpeningResults> results(Order::kMaxOpenings,
                                              withDrive("4100042", "MR 40 Ebro"));
    const auto lines = makePartsList(order, results);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].quantity, 99'900'000);
    EXPECT_EQ(lines[1].quantity, 99'800'100'000);
    EXPECT_EQ(lines[1].openings.size(), Order::kMaxOpenings);
    EXPECT_EQ(lines[1].openings.back(), 100'000);
}

// Runs of three or more openings are ranges; a pair stays two numbers.
TEST(PartsList, OpeningNumbersWriteRunsAsRanges) {
    const std::vector<std::pair<std::vector<int>, std::string>> cases = {
        {{}, ""},
        {{4}, "4"},
        {{1, 2}, "1, 2"},
        {{1, 2, 3}, "1–3"},
        {{1, 2, 3, 4, 6, 8, 9}, "1–4, 6, 8, 9"},
        {{2, 5, 6, 7}, "2, 5–7"}};
    for (const auto& [openings, text] : cases)
        EXPECT_EQ(openingNumbers(openings), text) << text;
}

} // namespace
} // namespace kavro
