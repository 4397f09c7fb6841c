// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "merge/order_merge.h"

#include <gtest/gtest.h>

using namespace kavro::merge;

namespace {

// An order of openings a, b, c with a height each.
OrderState baseOrder() {
    OrderState state;
    state.fields = {{"title", "\"Дом\""}};
    for (const char* id : {"a", "b", "c"}) {
        state.sequence.push_back(id);
        state.openings[id] = {{"height", "\"2000\""}, {"width", "\"1000\""}};
    }
    return state;
}

using Change = void (*)(OrderState&);

struct MergeCase {
    const char* name;
    Change current;
    Change edit;
    Change expected;         // applied to the base: the merged state
    std::size_t conflicts;   // how many
    const char* conflictKey; // "opening/field" of the first, when any
};

void none(OrderState&) {}
void heightA(OrderState& s) {
    s.openings["a"]["height"] = "\"2100\"";
}
void heightA2(OrderState& s) {
    s.openings["a"]["height"] = "\"2200\"";
}
void widthA(OrderState& s) {
    s.openings["a"]["width"] = "\"900\"";
}
void heightAndWidthA(OrderState& s) {
    heightA(s), widthA(s);
}
void deleteA(OrderState& s) {
    s.openings.erase("a");
    s.sequence.erase(s.sequence.begin());
}
void addD(OrderState& s) {
    s.openings["d"] = {{"height", "\"1500\""}};
    s.sequence.insert(s.sequence.begin() + 1, "d");
}
void addDAndDeleteA(OrderState& s) {
    addD(s), deleteA(s);
}
void reverse(OrderState& s) {
    s.sequence = {"c", "b", "a"};
}
void rotate(OrderState& s) {
    s.sequence = {"b", "c", "a"};
}
// d was made after a, so it stays after a wherever a went.
void reverseDAfterA(OrderState& s) {
    reverse(s);
    s.openings["d"] = {{"height", "\"1500\""}};
    s.sequence.push_back("d");
}
void retitle(OrderState& s) {
    s.fields["title"] = "\"Дача\"";
}
void retitle2(OrderState& s) {
    s.fields["title"] = "\"Офис\"";
}
void dropTitle(OrderState& s) {
    s.fields.erase("title");
}

const MergeCase kCases[] = {
    {"NothingChanged", none, none, none, 0, ""},
    {"EditOnlyIsTaken", none, heightA, heightA, 0, ""},
    {"CurrentOnlyStays", heightA, none, heightA, 0, ""},
    {"DifferentFieldsOfOneOpeningBothTaken", heightA, widthA, heightAndWidthA, 0, ""},
    {"SameChangeOnBothSidesIsNoConflict", heightA, heightA, heightA, 0, ""},
    {"BothChangedOneFieldKeepsCurrent", heightA, heightA2, heightA, 1, "a/height"},
    {"EditDeletesUnchangedOpening", none, deleteA, deleteA, 0, ""},
    {"CurrentDeletedEditUnchanged", deleteA, none, deleteA, 0, ""},
    {"EditDeletesWhatCurrentChanged", heightA, deleteA, heightA, 1, "a/"},
    {"EditChangesWhatCurrentDeleted", deleteA, heightA, deleteA, 1, "a/"},
    {"OpeningsAddedAndDeletedOnEachSide", addD, deleteA, addDAndDeleteA, 0, ""},
    {"EditReordersCurrentAddsKeepsBoth", addD, reverse, reverseDAfterA, 0, ""},
    {"BothReorderedDifferentlyKeepsCurrent", rotate, reverse, rotate, 1, "/sequence"},
    {"BothReorderedAlikeIsNoConflict", reverse, reverse, reverse, 0, ""},
    {"OrderTitleBothSidesConflicts", retitle, retitle2, retitle, 1, "/title"},
    {"OrderTitleRemovedOnOneSideIsTaken", none, dropTitle, dropTitle, 0, ""},
    {"TitleRemovedAgainstChangedConflicts", retitle, dropTitle, retitle, 1, "/title"},
};

class OrderMerge : public ::testing::TestWithParam<MergeCase> {};

TEST_P(OrderMerge, FollowsTheFieldByFieldRule) {
    const MergeCase& c = GetParam();
    OrderState current = baseOrder(), edit = baseOrder(), expected = baseOrder();
    c.current(current);
    c.edit(edit);
    c.expected(expected);
    const MergeResult result = mergeOrder(baseOrder(), current, edit);
    EXPECT_EQ(result.merged, expected);
    ASSERT_EQ(result.conflicts.size(), c.conflicts);
    if (c.conflicts) {
        EXPECT_EQ(result.conflicts[0].opening + "/" + result.conflicts[0].field, c.conflictKey);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, OrderMerge, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Nothing either side wrote is lost: what the merge did not keep is in the
// conflict, whole.
TEST(OrderMergeConflict, KeepsBothVersions) {
    OrderState current = baseOrder(), edit = baseOrder();
    heightA(current);
    heightA2(edit);
    deleteA(edit);
    rotate(current);
    const MergeResult result = mergeOrder(baseOrder(), current, edit);
    ASSERT_EQ(result.conflicts.size(), 1u);
    const Conflict& c = result.conflicts[0];
    EXPECT_EQ(c.currentOpening, current.openings["a"]);
    EXPECT_EQ(c.editOpening, std::nullopt);
    EXPECT_EQ(result.merged.sequence, (std::vector<std::string>{"b", "c", "a"}));

    OrderState seq = baseOrder();
    reverse(seq);
    OrderState other = baseOrder();
    rotate(other);
    const Conflict order = mergeOrder(baseOrder(), other, seq).conflicts.at(0);
    EXPECT_EQ(order.current, "b,c,a");
    EXPECT_EQ(order.edit, "c,b,a");
}

// A new opening lands after the one it follows on its own side, even when
// that one moved on the other.
TEST(OrderMergeSequence, NewOpeningFollowsItsNeighbour) {
    OrderState current = baseOrder(), edit = baseOrder();
    current.sequence = {"c", "a", "b"};
    edit.openings["e"] = {};
    edit.sequence = {"a", "b", "e", "c"};
    EXPECT_EQ(mergeOrder(baseOrder(), current, edit).merged.sequence,
              (std::vector<std::string>{"c", "a", "b", "e"}));
    edit.sequence = {"e", "a", "b", "c"};
    EXPECT_EQ(mergeOrder(baseOrder(), current, edit).merged.sequence,
              (std::vector<std::string>{"e", "c", "a", "b"}));
}

} // namespace
