// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The server's orders as what changed after the revision the replica
// holds: the rest is taken from the confirmed state, and an answer that
// does not fit it has the order asked for whole.

#include "orderio/order_file.h"
#include "sync/order_replica.h"
#include "sync/order_state.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace kavro;
using namespace kavro::sync;

namespace {

Opening opening(const char* id, const char* location) {
    Opening made;
    made.id = id;
    made.location = location;
    return made;
}

Order order(std::int64_t revision, std::vector<Opening> openings) {
    Order made;
    made.id = "o1";
    made.revision = revision;
    made.title = "Дом";
    made.openings = std::move(openings);
    return made;
}

// A replica at revision 1 holding a, b, c, its first edit sent.
struct Shared {
    OrderReplica replica{
        "o1", 1, orderState(order(1, {opening("a", "A"), opening("b", "B"), opening("c", "C")}))};
    std::string edit;
    Shared() {
        EditDelta delta;
        delta.order["title"] = "\"Дом 2\"";
        replica.record(delta);
        edit = replica.next()->editId;
    }
};

// What changed after `since`: the openings given, every opening's id.
nlohmann::json changes(std::int64_t since, std::int64_t revision, std::vector<Opening> changed,
                       std::vector<std::string> sequence) {
    return {{"since", since},
            {"sequence", sequence},
            {"conflicts", nlohmann::json::array()},
            {"order", OrderFile::serialize(order(revision, std::move(changed)))}};
}

struct ChangesCase {
    const char* name;
    nlohmann::json answer;
    // The confirmed order afterwards; none: the answer did not fit.
    std::optional<Order> confirmed;
};

// Named in test listings by its name, not by its bytes (which hold
// addresses and change from build to build).
void PrintTo(const ChangesCase& c, std::ostream* os) {
    *os << c.name;
}

class Changes : public testing::TestWithParam<ChangesCase> {};

TEST_P(Changes, AreTakenOnTheConfirmedStateOrTheOrderIsAskedWhole) {
    Shared shared;
    const ChangesCase& c = GetParam();
    const AnswerOutcome outcome = shared.replica.answered(shared.edit, 200, c.answer.dump());
    if (c.confirmed) {
        EXPECT_EQ(outcome, AnswerOutcome::Confirmed);
        EXPECT_EQ(shared.replica.confirmed(), orderState(*c.confirmed));
        EXPECT_EQ(shared.replica.revision(), c.confirmed->revision);
        return;
    }
    EXPECT_EQ(outcome, AnswerOutcome::Resend);
    EXPECT_EQ(shared.replica.revision(), 1);
    const auto again = shared.replica.next();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->path, "/api/v1/orders/o1?edit=" + shared.edit) << "asked for whole";
    EXPECT_EQ(shared.replica.pull().path, "/api/v1/orders/o1");
}

INSTANTIATE_TEST_SUITE_P(
    OrderReplica, Changes,
    testing::Values(
        ChangesCase{"ChangedAddedMovedAndDeleted",
                    changes(1, 3, {opening("d", "D"), opening("b", "B2")}, {"c", "b", "d"}),
                    order(3, {opening("c", "C"), opening("b", "B2"), opening("d", "D")})},
        ChangesCase{"NothingChangedButTheOrder", changes(1, 2, {}, {"a", "b", "c"}),
                    order(2, {opening("a", "A"), opening("b", "B"), opening("c", "C")})},
        ChangesCase{"AnOpeningNeitherSentNorHeld", changes(1, 2, {}, {"a", "x"}), std::nullopt},
        ChangesCase{"SinceARevisionNotYetHeld", changes(2, 3, {}, {"a", "b", "c"}), std::nullopt},
        ChangesCase{"AnIdTwice", changes(1, 2, {}, {"a", "a", "b", "c"}), std::nullopt}),
    [](const testing::TestParamInfo<ChangesCase>& info) { return info.param.name; });

TEST(OrderReplica, ArrivedChangesThatDoNotFitAreRefusedAndAskedWhole) {
    Shared shared;
    EXPECT_THROW(shared.replica.arrived(changes(1, 2, {}, {"x"}).dump()), ReplicaError);
    EXPECT_EQ(shared.replica.pull().path, "/api/v1/orders/o1");
    const Order whole = order(2, {opening("x", "X")});
    EXPECT_TRUE(shared.replica.arrived(OrderFile::serialize(whole)));
    EXPECT_EQ(shared.replica.confirmed(), orderState(whole));
}

} // namespace
