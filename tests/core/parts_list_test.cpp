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
    r.accessories = {{"4200001", "Адаптер"}, {"4200003", "Комплект"}};
    return r;
}

TEST(PartsList, SumsDrivesAndAccessoriesInTheOrderOfFirstUse) {
    const OpeningResults ebro = withDrive("4100042", "Ebro");
    const OpeningResults gala = withDrive("4100043", "Gala");
    const std::vector<
        std::tuple<const char*, Order, std::vector<OpeningResults>, std::vector<PartsListLine>>>
        cases = {
            {"EmptyOrder", {}, {}, {}},
            {"Count1And999",
             {"", {opening(1, {}), opening(999, {{"4200001", 999}})}},
             {ebro, ebro},
             {{"4100042", "Ebro", 1000, {1, 2}}, {"4200001", "Адаптер", 998001, {2}}}},
            {"Quantity0LeftOutTwiceInOneOpeningOnce",
             {"", {opening(2, {{"4200003", 0}, {"4200001", 1}, {"4200001", 4}})}},
             {ebro},
             {{"4100042", "Ebro", 2, {1}}, {"4200001", "Адаптер", 10, {1}}}},
            {"FirstUseDecidesDrivesFirst",
             {"",
              {opening(1, {{"4200003", 1}}), opening(3, {{"4200001", 2}, {"4200003", 1}}),
               opening(1, {})}},
             {gala, ebro, gala},
             {{"4100043", "Gala", 2, {1, 3}},
              {"4100042", "Ebro", 3, {2}},
              {"4200003", "Комплект", 4, {1, 2}},
              {"4200001", "Адаптер", 6, {2}}}},
            {"NoDriveAnAccessoryNotOfferedKept",
             {"", {opening(1, {{"4200002", 1}})}},
             {OpeningResults{}},
             {{"4200002", "Переходник для 8-гранного вала SW40х0,6 мм", 1, {1}}}},
        };
    for (const auto& [name, order, results, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(makePartsList(order, results), expected);
    }
}

// The largest order at its limits sums past what 32 bits hold; its opening
// numbers are one range.
TEST(PartsList, TheLargestOrderSumsInSixtyFourBits) {
    Order order;
    order.openings.assign(Order::kMaxOpenings, opening(999, {{"4200001", 999}}));
    const auto lines = makePartsList(
        order, std::vector<OpeningResults>(Order::kMaxOpenings, withDrive("4100042", "Ebro")));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].quantity, 99'900'000);
    EXPECT_EQ(lines[1].quantity, 99'800'100'000);
    EXPECT_EQ(openingNumbers(lines[1].openings), "1–100000");
    EXPECT_EQ(openingNumbers({1, 2, 4, 5, 6}), "1, 2, 4–6"); // a pair is no range
}

} // namespace
} // namespace kavro
