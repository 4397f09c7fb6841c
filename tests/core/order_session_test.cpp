// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/order/order_limits.h"
#include "core/order/order_session.h"

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

bool done(const ActionResult& result) {
    return result.kind == ActionResult::Kind::Done;
}

// What a listener was told, one batch a change.
struct Told : OrderListener {
    void orderChanged(const std::vector<OrderChange>& changes) override {
        batches.push_back(changes);
    }
    std::vector<std::vector<OrderChange>> batches;
};

class OrderSessionTest : public testing::Test {
protected:
    // Results take no part here: the window's tests check them.
    OrderDocument document{[](const Opening&) { return OpeningResults{}; }};
    OrderSession session{document};
};

TEST_F(OrderSessionTest, CountsAndQuantitiesAreTakenOnlyInTheirRange) {
    session.replaceOrder(lettered("A"), false);
    for (const char* refused : {"0", "1000", "", "0x10", "1e2", "+5", "-1", "99999999999"}) {
        const ActionResult result = session.setCount(0, refused);
        EXPECT_FALSE(done(result)) << refused;
        EXPECT_EQ(result.text, openingCountRefusal()) << refused;
    }
    EXPECT_FALSE(document.modified());
    for (const char* taken : {"999", " 1\t"})
        EXPECT_TRUE(done(session.setCount(0, taken))) << taken;
    EXPECT_EQ(document.opening(0).count, 1);
    EXPECT_FALSE(done(session.setCount(1, "5"))) << "no opening 2";

    EXPECT_FALSE(done(session.setAccessoryQuantity("ART", 1000)));
    EXPECT_FALSE(done(session.setAccessoryQuantity("ART", -1)));
    EXPECT_TRUE(done(session.setAccessoryQuantity("ART", "999")));
    EXPECT_EQ(document.accessoryQuantity(0, "ART"), 999);
    EXPECT_TRUE(done(session.setAccessoryQuantity("ART", 0)));
    EXPECT_TRUE(document.opening(0).accessories.empty()) << "0 takes it off";
}

// A discount just under 100 % is taken, 100 % is not; 0 % is no discount at
// all, so that a file never says "0 %" and the quotation shows no empty row.
TEST_F(OrderSessionTest, DiscountAndInstallationPriceAreTakenOnlyInTheirRange) {
    session.replaceOrder(lettered("A"), false);
    for (std::int64_t refused : {-1, 100'00})
        EXPECT_FALSE(done(session.setDiscount(Percent{refused}))) << refused;
    EXPECT_FALSE(document.modified());
    EXPECT_TRUE(done(session.setDiscount(Percent{99'99})));
    EXPECT_TRUE(done(session.setDiscount(Percent{0})));
    EXPECT_EQ(document.order().discount, std::nullopt);

    const Money most = Opening::kMaxInstallationPrice;
    EXPECT_FALSE(done(session.setInstallationPrice(Money{most.kopecks + 1})));
    EXPECT_FALSE(done(session.setInstallationPrice(Money{-1})));
    EXPECT_TRUE(done(session.setInstallationPrice(most)));
}

TEST_F(OrderSessionTest, MovesAcrossTheCurrentOpeningKeepItCurrent) {
    struct Row {
        const char* name;
        std::size_t current;
        std::size_t from, to;
        std::string sequence;
        std::size_t currentAfter;
    };
    const Row rows[] = {
        {"move down over current", 1, 0, 2, "BCA", 0},
        {"move up over current", 1, 2, 0, "CAB", 2},
        {"move beside current", 0, 1, 2, "ACB", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        session.replaceOrder(lettered("ABC"), false);
        session.switchTo(row.current);
        ASSERT_TRUE(done(session.moveOpening(row.from, row.to)));
        EXPECT_EQ(sequence(document), row.sequence);
        EXPECT_EQ(session.current(), row.currentAfter);
        EXPECT_TRUE(document.modified());
    }
}

// Two openings under one server id would be one record to the firm's
// server, which refuses such an order.
TEST_F(OrderSessionTest, ACopyIsANewOpeningToTheServer) {
    Order order = lettered("A");
    order.openings[0].id = "0123456789abcdef0123456789abcdef";
    order.openings[0].revision = 4;
    session.replaceOrder(order, false);
    ASSERT_TRUE(done(session.copyOpening()));
    EXPECT_EQ(document.order().openings[0].id, order.openings[0].id);
    EXPECT_EQ(document.order().openings[1].id, "");
    EXPECT_EQ(document.order().openings[1].revision, 0);
    EXPECT_EQ(document.order().openings[1].location, "A");
}

TEST_F(OrderSessionTest, BroughtInOpeningsReplaceOnlyALoneUntouchedBlankOne) {
    session.replaceOrder(Order{}, false); // one blank opening
    ASSERT_TRUE(done(session.appendOpenings(lettered("XY").openings)));
    EXPECT_EQ(sequence(document), "XY");
    session.replaceOrder(lettered("A"), false);
    ASSERT_TRUE(done(session.appendOpenings(lettered("XY").openings)));
    EXPECT_EQ(sequence(document), "AXY");
    EXPECT_EQ(session.current(), 1u) << "the first brought in";
    EXPECT_TRUE(document.modified());
}

// Listeners learn each change by the opening's id, which stays with the
// opening wherever it moves and is never given to another.
TEST_F(OrderSessionTest, ListenersAreToldEachChangeByTheOpeningsId) {
    session.replaceOrder(lettered("AB"), false);
    const std::string a = document.openingId(0);
    const std::string b = document.openingId(1);
    EXPECT_NE(a, b);
    Told told;
    document.subscribe(told);
    using Kind = OrderChange::Kind;
    session.moveOpening(0, 1);
    session.setLocation(1, "Кухня");
    Opening changed = document.opening(0);
    changed.count = 3;
    session.replaceOpening(b, changed);
    session.removeOpening(); // the current one, A
    EXPECT_FALSE(done(session.replaceOpening(a, changed))) << "A is gone";
    EXPECT_FALSE(done(session.removeOpening())) << "the last opening stays";
    session.setTitle("Дом");
    document.unsubscribe(told);
    session.setTitle("Другой дом");

    const std::vector<std::vector<OrderChange>> expected = {
        {{Kind::Saved, {}}, {Kind::OpeningMoved, a, 1, 0}},
        {{Kind::OpeningChanged, a, 1}},
        {{Kind::OpeningChanged, b, 0}},
        {{Kind::OpeningRemoved, a, 1}},
        {{Kind::Title, {}}},
    };
    EXPECT_EQ(told.batches, expected);
    EXPECT_EQ(document.openingId(0), b);
    EXPECT_EQ(document.opening(0).count, 3);
}

} // namespace
} // namespace kavro
