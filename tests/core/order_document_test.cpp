// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/order/order_document.h"

#include <gtest/gtest.h>

namespace kavro {
namespace {

// Openings named "A", "B", ... so that an order's sequence reads as a word.
Order lettered(const std::string& letters) {
    Order order;
    for (char letter : letters) {
        Opening opening;
        opening.location = std::string(1, letter);
        order.openings.push_back(opening);
    }
    return order;
}

std::string sequence(const OrderDocument& document) {
    std::string letters;
    for (const Opening& opening : document.order().openings)
        letters += opening.location;
    return letters;
}

class OrderDocumentTest : public testing::Test {
protected:
    // Results take no part here: the window's tests check them.
    OrderDocument document{[](const Opening&) { return OpeningResults{}; }};
};

TEST_F(OrderDocumentTest, CountsAndQuantitiesAreTakenOnlyInTheirRange) {
    document.reset(lettered("A"));
    for (int refused : {0, 1000})
        EXPECT_FALSE(document.setCount(0, refused)) << refused;
    EXPECT_FALSE(document.modified());
    for (int taken : {999, 1})
        EXPECT_TRUE(document.setCount(0, taken)) << taken;
    EXPECT_FALSE(document.setCount(1, 5)) << "no opening 2";

    EXPECT_FALSE(document.setAccessoryQuantity("ART", 1000));
    EXPECT_FALSE(document.setAccessoryQuantity("ART", -1));
    EXPECT_TRUE(document.setAccessoryQuantity("ART", 999));
    EXPECT_EQ(document.accessoryQuantity("ART"), 999);
    EXPECT_TRUE(document.setAccessoryQuantity("ART", 0));
    EXPECT_TRUE(document.currentOpening().accessories.empty()) << "0 takes it off";
}

// A discount just under 100 % is taken, 100 % is not; 0 % is no discount at
// all, so that a file never says "0 %" and the quotation shows no empty row.
TEST_F(OrderDocumentTest, DiscountAndInstallationPriceAreTakenOnlyInTheirRange) {
    document.reset(lettered("A"));
    for (std::int64_t refused : {-1, 100'00})
        EXPECT_FALSE(document.setDiscount(Percent{refused})) << refused;
    EXPECT_FALSE(document.setDiscount(Percent{0})) << "none already";
    EXPECT_FALSE(document.modified());
    EXPECT_TRUE(document.setDiscount(Percent{99'99}));
    EXPECT_TRUE(document.setDiscount(Percent{0}));
    EXPECT_EQ(document.order().discount, std::nullopt);

    const Money most = Opening::kMaxInstallationPrice;
    EXPECT_FALSE(document.setInstallationPrice(0, Money{most.kopecks + 1}));
    EXPECT_FALSE(document.setInstallationPrice(0, Money{-1}));
    EXPECT_TRUE(document.setInstallationPrice(0, most));
}

TEST_F(OrderDocumentTest, MovesAcrossTheCurrentOpeningKeepItCurrent) {
    struct Row {
        const char* name;
        std::size_t current;
        std::function<bool(OrderDocument&)> edit;
        std::string sequence;
        std::size_t currentAfter;
    };
    const Row rows[] = {
        {"move down over current", 1, [](auto& d) { return d.moveOpening(0, 2); }, "BCA", 0},
        {"move up over current", 1, [](auto& d) { return d.moveOpening(2, 0); }, "CAB", 2},
        {"move beside current", 0, [](auto& d) { return d.moveOpening(1, 2); }, "ACB", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        document.reset(lettered("ABC"));
        document.setCurrent(row.current);
        ASSERT_TRUE(row.edit(document));
        EXPECT_EQ(sequence(document), row.sequence);
        EXPECT_EQ(document.current(), row.currentAfter);
        EXPECT_TRUE(document.modified());
    }
}

// Two openings under one server id would be one record to the firm's
// server, which refuses such an order.
TEST_F(OrderDocumentTest, ACopyIsANewOpeningToTheServer) {
    Order order = lettered("A");
    order.openings[0].id = "0123456789abcdef0123456789abcdef";
    order.openings[0].revision = 4;
    document.reset(order);
    ASSERT_TRUE(document.copyOpening());
    EXPECT_EQ(document.order().openings[0].id, order.openings[0].id);
    EXPECT_EQ(document.order().openings[1].id, "");
    EXPECT_EQ(document.order().openings[1].revision, 0);
    EXPECT_EQ(document.order().openings[1].location, "A");
}

TEST_F(OrderDocumentTest, BroughtInOpeningsReplaceOnlyALoneUntouchedBlankOne) {
    document.reset(Order{}); // one blank opening
    ASSERT_TRUE(document.appendOpenings(lettered("XY").openings));
    EXPECT_EQ(sequence(document), "XY");
    document.reset(lettered("A"));
    ASSERT_TRUE(document.appendOpenings(lettered("XY").openings));
    EXPECT_EQ(sequence(document), "AXY");
    EXPECT_EQ(document.current(), 1u) << "the first brought in";
    EXPECT_TRUE(document.modified());
}

} // namespace
} // namespace kavro
