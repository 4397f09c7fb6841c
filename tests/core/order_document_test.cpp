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
    // Each computation is counted and tells its opening by its location.
    OrderDocument document{[this](const Opening& opening) {
        ++computed;
        OpeningResults results;
        results.mass = opening.location + "/" + opening.inputs.width;
        return results;
    }};
    int computed = 0;
};

TEST_F(OrderDocumentTest, AnEmptyOrderGetsOneBlankOpeningAndIsNotModified) {
    document.reset(Order{.title = "Дом", .openings = {}});
    ASSERT_EQ(document.size(), 1u);
    EXPECT_EQ(document.currentOpening(), Opening{});
    EXPECT_EQ(document.order().title, "Дом");
    EXPECT_FALSE(document.modified());
}

TEST_F(OrderDocumentTest, CountsAndQuantitiesAreTakenOnlyInTheirRange) {
    struct Row {
        const char* name;
        int value;
        bool taken;
    };
    const Row counts[] = {
        {"zero", 0, false}, {"one", 1, true}, {"most", 999, true}, {"over", 1000, false}};
    for (const Row& row : counts) {
        SCOPED_TRACE(row.name);
        document.reset(lettered("A"));
        const int before = document.opening(0).count;
        EXPECT_EQ(document.setCount(0, row.value), row.taken && row.value != before);
        EXPECT_EQ(document.opening(0).count, row.taken ? row.value : before);
        EXPECT_EQ(document.modified(), row.taken && row.value != before);
    }
    const Row quantities[] = {
        {"negative", -1, false}, {"one", 1, true}, {"most", 999, true}, {"over", 1000, false}};
    for (const Row& row : quantities) {
        SCOPED_TRACE(row.name);
        document.reset(lettered("A"));
        EXPECT_EQ(document.setAccessoryQuantity("ART", row.value), row.taken);
        EXPECT_EQ(document.accessoryQuantity("ART"), row.taken ? row.value : 0);
    }
    EXPECT_FALSE(document.setCount(1, 5)) << "no opening 2";
}

TEST_F(OrderDocumentTest, QuantityZeroTakesTheAccessoryOffAndKeepsTheOthersInOrder) {
    ASSERT_TRUE(document.setAccessoryQuantity("A1", 2));
    ASSERT_TRUE(document.setAccessoryQuantity("A2", 3));
    EXPECT_FALSE(document.setAccessoryQuantity("A2", 3)) << "unchanged";
    ASSERT_TRUE(document.setAccessoryQuantity("A1", 0));
    EXPECT_EQ(document.currentOpening().accessories, (std::vector<AccessoryQuantity>{{"A2", 3}}));
    EXPECT_FALSE(document.setAccessoryQuantity("A9", 0)) << "nothing to take off";
}

TEST_F(OrderDocumentTest, EditsOfTheListKeepTheRightOpeningCurrent) {
    struct Row {
        const char* name;
        std::size_t current;
        std::function<bool(OrderDocument&)> edit;
        std::string sequence;
        std::size_t currentAfter;
    };
    const Row rows[] = {
        {"add goes last", 1, [](auto& d) { return d.addOpening(); }, "ABC", 3},
        {"copy goes right after", 1, [](auto& d) { return d.copyOpening(); }, "ABBC", 2},
        {"remove passes to the next", 1, [](auto& d) { return d.removeOpening(); }, "AC", 1},
        {"remove of the last passes back", 2, [](auto& d) { return d.removeOpening(); }, "AB", 1},
        {"moved current goes along", 0, [](auto& d) { return d.moveOpening(0, 2); }, "BCA", 2},
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

TEST_F(OrderDocumentTest, RefusedListEditsChangeNothing) {
    document.reset(lettered("A"));
    EXPECT_FALSE(document.removeOpening()) << "the only opening";
    document.reset(lettered("AB"));
    EXPECT_FALSE(document.moveOpening(0, 2)) << "past the end";
    EXPECT_FALSE(document.moveOpening(1, 1));
    EXPECT_FALSE(document.setCurrent(2));
    EXPECT_EQ(sequence(document), "AB");
    EXPECT_FALSE(document.modified());
}

TEST_F(OrderDocumentTest, BroughtInOpeningsReplaceOnlyALoneUntouchedBlankOne) {
    struct Row {
        const char* name;
        Order before;
        std::string after;
        std::size_t current;
    };
    Order blank;
    blank.openings.emplace_back();
    const Row rows[] = {
        {"lone blank", blank, "XY", 0},
        {"lone named", lettered("A"), "AXY", 1},
        {"two", lettered("AB"), "ABXY", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        document.reset(row.before);
        ASSERT_TRUE(document.appendOpenings(lettered("XY").openings));
        EXPECT_EQ(sequence(document), row.after);
        EXPECT_EQ(document.current(), row.current);
        EXPECT_TRUE(document.modified());
    }
    EXPECT_FALSE(document.appendOpenings({}));
}

TEST_F(OrderDocumentTest, TheDriveFollowsTheForm) {
    struct Row {
        const char* name;
        std::string savedDrive;
        bool inputsChange;
        bool pressed;
        std::string chosen;
        std::string driveAfter;
    };
    const Row rows[] = {
        {"a press chooses", "", false, true, "B2", "B2"},
        {"a press on the form's own choice is kept as the user's", "", false, true, "B1", "B1"},
        {"new inputs release the choice", "B2", true, false, "B1", ""},
        {"an action that changed nothing keeps it", "B2", false, false, "B1", "B2"},
        {"a press after new inputs chooses", "B2", true, true, "B3", "B3"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Order order = lettered("A");
        order.openings[0].drive = row.savedDrive;
        document.reset(order);
        FormReading reading{.inputs = order.openings[0].inputs,
                            .chosenDrive = row.chosen,
                            .drivePressed = row.pressed};
        if (row.inputsChange)
            reading.inputs.width = "1200";
        const bool changes = row.driveAfter != row.savedDrive || row.inputsChange;
        EXPECT_EQ(document.formChanged(reading), changes);
        EXPECT_EQ(document.currentOpening().drive, row.driveAfter);
        EXPECT_EQ(document.currentOpening().inputs, reading.inputs);
        EXPECT_EQ(document.modified(), changes);
    }
}

TEST_F(OrderDocumentTest, ResultsAreWorkedOutOnceAndAgainAfterAChangeOfTheirOpening) {
    document.reset(lettered("AB"));
    EXPECT_EQ(document.results(1).mass, "B/1000");
    EXPECT_EQ(document.results(1).mass, "B/1000");
    EXPECT_EQ(computed, 1);

    // The location is not an input: the results stay.
    document.setLocation(1, "C");
    EXPECT_EQ(document.results(1).mass, "B/1000");

    document.setCurrent(1);
    FormReading reading;
    reading.inputs = document.currentOpening().inputs;
    reading.inputs.width = "1500";
    document.formChanged(reading);
    EXPECT_EQ(document.results(1).mass, "C/1500");
    EXPECT_EQ(computed, 2);

    // A copy takes its original's results along; a move keeps each its own.
    document.copyOpening();
    document.moveOpening(2, 0);
    EXPECT_EQ(document.results(0).mass, "C/1500");
    EXPECT_EQ(document.results(1).mass, "A/1000");
    EXPECT_EQ(computed, 3);

    OpeningResults shown;
    shown.mass = "shown";
    document.setCurrentResults(shown);
    EXPECT_EQ(document.results(document.current()).mass, "shown");
}

} // namespace
} // namespace kavro
