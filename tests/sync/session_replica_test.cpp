// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "orderio/order_file.h"
#include "sync/order_state.h"
#include "sync/session_replica.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace kavro;
using namespace kavro::sync;

namespace {

const std::string kOrder = "o1";

Opening opening(const char* id, const char* location) {
    Opening made;
    made.id = id;
    made.location = location;
    return made;
}

// The server's order at `revision`: openings a, b, c unless told otherwise.
Order serverOrder(std::int64_t revision, std::vector<Opening> openings = {}) {
    Order order;
    order.id = kOrder;
    order.revision = revision;
    order.openings = openings.empty()
                         ? std::vector{opening("a", "A"), opening("b", "B"), opening("c", "C")}
                         : std::move(openings);
    return order;
}

std::string confirming(const Order& order) {
    return nlohmann::json{{"revision", order.revision},
                          {"order", OrderFile::serialize(order)},
                          {"conflicts", nlohmann::json::array()}}
        .dump();
}

// The order file of an edit sent as what it changed.
Order sent(const SyncRequest& request) {
    return OrderFile::parse(nlohmann::json::parse(request.body)["order"].get<std::string>());
}

// A device with the server's revision 1 open.
struct Device {
    OrderDocument document{[](const Opening&) { return OpeningResults{}; }};
    OrderSession session{document};
    std::unique_ptr<SessionReplica> link;

    Device() {
        session.replaceOrder(serverOrder(1), false);
        link = std::make_unique<SessionReplica>(session, kOrder, "");
    }
    std::vector<std::string> locations() const {
        std::vector<std::string> all;
        for (const Opening& o : document.order().openings)
            all.push_back(o.location);
        return all;
    }
    // The session shows exactly what the replica holds.
    void expectShowsLocal() const {
        EXPECT_EQ(orderState(document.order()), link->replica().local());
    }
};

using Locations = std::vector<std::string>;

TEST(SessionReplica, KeystrokesInOneFieldMakeOneEditUntilItIsSent) {
    Device device;
    for (const char* typed : {"K", "Ku", "Kux"})
        device.session.setLocation(0, typed);
    EXPECT_EQ(device.link->replica().queue().size(), 1u);
    const auto request = device.link->next();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->path, "/api/v1/orders/o1?edit=" + request->editId + "&since=1&partial=1");
    EXPECT_EQ(sent(*request).openings.at(0).location, "Kux");
    device.session.setLocation(0, "Kuxn");
    EXPECT_EQ(device.link->replica().queue().size(), 2u) << "a sent edit may be applied already";
}

TEST(SessionReplica, LocalEditsAreReplayedOnWhatArrives) {
    Device device;
    device.session.setLocation(0, "Mine");
    device.session.moveOpening(2, 0); // c first
    // Meanwhile another device renamed b and added d after a.
    Order theirs = serverOrder(
        2, {opening("a", "A"), opening("d", "D"), opening("b", "Theirs"), opening("c", "C")});
    EXPECT_TRUE(device.link->arrived(OrderFile::serialize(theirs)));
    EXPECT_EQ(device.locations(), (Locations{"C", "Mine", "D", "Theirs"}));
    device.expectShowsLocal();
    // The edit is sent on the revision that arrived, and leaves the queue
    // only when the server confirms it.
    const auto request = device.link->next();
    ASSERT_TRUE(request);
    EXPECT_EQ(sent(*request).revision, 2);
    EXPECT_EQ(device.link->answered(request->editId, 200, confirming(serverOrder(3))),
              AnswerOutcome::Confirmed);
    // The server's word stands, with the move still queued replayed on it.
    EXPECT_EQ(device.locations(), (Locations{"C", "A", "B"}));
    device.expectShowsLocal();
}

TEST(SessionReplica, LostAnswerIsResentWithTheSameEditIdAndALateOneCountsOnce) {
    Device device;
    device.session.setTitle("Дом");
    const auto first = device.link->next();
    ASSERT_TRUE(first);
    EXPECT_FALSE(device.link->next()) << "one request at a time";
    EXPECT_EQ(device.link->answered(first->editId, 0, ""), AnswerOutcome::Retry);
    const auto again = device.link->next();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->editId, first->editId);
    Order applied = serverOrder(2);
    applied.title = "Дом";
    EXPECT_EQ(device.link->answered(first->editId, 200, confirming(applied)),
              AnswerOutcome::Confirmed);
    EXPECT_EQ(device.link->answered(again->editId, 200, confirming(applied)),
              AnswerOutcome::Unknown);
    EXPECT_TRUE(device.link->replica().queue().empty());
    EXPECT_EQ(device.document.order().title, "Дом");
}

TEST(SessionReplica, RefusedEditIsKeptWithItsReasonAndDoesNotHoldUpTheRest) {
    Device device;
    device.session.setLocation(0, "Refused");
    device.session.setTitle("Дом");
    const auto refused = device.link->next();
    ASSERT_TRUE(refused);
    // Sent as what it changed, it is sent again whole before it counts as refused.
    EXPECT_EQ(device.link->answered(refused->editId, 400, R"({"error":"слишком длинно"})"),
              AnswerOutcome::Resend);
    const auto whole = device.link->next();
    ASSERT_TRUE(whole);
    EXPECT_EQ(OrderFile::parse(whole->body).openings.at(0).location, "Refused");
    EXPECT_EQ(device.link->answered(whole->editId, 400, R"({"error":"слишком длинно"})"),
              AnswerOutcome::Refused);
    ASSERT_EQ(device.link->replica().kept().size(), 1u);
    EXPECT_EQ(device.link->replica().kept()[0].reason, "слишком длинно");
    EXPECT_EQ(device.locations(), (Locations{"A", "B", "C"}));
    const auto next = device.link->next();
    ASSERT_TRUE(next);
    EXPECT_EQ(sent(*next).title, "Дом");
    EXPECT_EQ(device.link->answered(next->editId, 401, ""), AnswerOutcome::SignIn);
    EXPECT_EQ(device.link->replica().queue().size(), 1u) << "kept for the next sign-in";
    EXPECT_FALSE(device.link->dismiss(refused->editId + "x"));
    EXPECT_TRUE(device.link->dismiss(refused->editId));
    EXPECT_TRUE(device.link->replica().kept().empty());
    EXPECT_EQ(device.link->replica().queue().size(), 1u);
}

TEST(SessionReplica, EditOfAnOpeningDeletedElsewhereIsKeptWhole) {
    Device device;
    device.session.setLocation(1, "Mine");
    EXPECT_TRUE(device.link->arrived(
        OrderFile::serialize(serverOrder(2, {opening("a", "A"), opening("c", "C")}))));
    EXPECT_EQ(device.locations(), (Locations{"A", "C"}));
    EXPECT_TRUE(device.link->replica().queue().empty());
    ASSERT_EQ(device.link->replica().kept().size(), 1u);
    const EditDelta& kept = device.link->replica().kept()[0].delta;
    ASSERT_EQ(kept.added.size(), 1u);
    EXPECT_EQ(kept.added.begin()->second.at("location"), "\"Mine\"");
    EXPECT_EQ(kept.places.at(0).after, "a");
    // Sent again, it comes back as an opening of its own where it stood.
    EXPECT_TRUE(device.link->resend(device.link->replica().kept()[0].id));
    EXPECT_EQ(device.locations(), (Locations{"A", "Mine", "C"}));
    EXPECT_TRUE(device.link->replica().kept().empty());
    EXPECT_EQ(device.link->replica().queue().size(), 1u);
    device.expectShowsLocal();
}

TEST(SessionReplica, OrderEmptiedElsewhereShowsABlankOpeningThatIsNotTheOrders) {
    Device device;
    Order empty = serverOrder(3);
    empty.openings.clear();
    EXPECT_TRUE(device.link->arrived(OrderFile::serialize(empty)));
    EXPECT_EQ(device.document.size(), 1u);
    EXPECT_TRUE(device.link->replica().queue().empty());
    device.session.setLocation(0, "New");
    EXPECT_EQ(device.link->replica().local().sequence.size(), 1u);
}

TEST(SessionReplica, AnotherOrderOpenedInTheSessionIsNotRecordedAsAnEditOfThisOne) {
    Device device;
    device.session.replaceOrder(Order{"Другой заказ", {opening("x", "X")}}, false);
    device.session.setLocation(0, "Y");
    EXPECT_TRUE(device.link->replica().queue().empty());
    EXPECT_FALSE(device.link->next());
    EXPECT_EQ(device.link->replica().local().sequence, (Locations{"a", "b", "c"}));
}

TEST(OrderReplica, KeptRecordReadsBackAndDamagedOnesAreRefused) {
    Device device;
    device.session.setLocation(0, "Mine");
    device.session.addOpening();
    const std::string kept = device.link->replica().save();
    const OrderReplica back = OrderReplica::load(kept);
    EXPECT_EQ(back.local(), device.link->replica().local());
    EXPECT_EQ(back.queue(), device.link->replica().queue());

    // Saved again once the server's newer order arrived: that order is kept,
    // not the one the first save wrote.
    EXPECT_TRUE(device.link->arrived(OrderFile::serialize(serverOrder(2))));
    const OrderReplica newer = OrderReplica::load(device.link->replica().save());
    EXPECT_EQ(newer.revision(), 2);
    EXPECT_EQ(newer.confirmed(), device.link->replica().confirmed());

    using Json = nlohmann::ordered_json;
    const auto changed = [&](void (*change)(Json&)) {
        Json record = Json::parse(kept);
        change(record);
        return record.dump();
    };
    const std::vector<std::pair<const char*, std::string>> damaged = {
        {"empty", ""},
        {"cut short", kept.substr(0, kept.size() / 2)},
        {"another format", changed([](Json& r) { r["format"] = "kavro-order"; })},
        {"newer version", changed([](Json& r) { r["version"] = 2; })},
        {"edit id unfit for an address", changed([](Json& r) { r["queue"][0]["id"] = "../x"; })},
        {"sent flag not a flag", changed([](Json& r) { r["queue"][0]["sent"] = "no"; })},
        {"field value not a text",
         changed([](Json& r) { r["queue"][0]["delta"]["order"]["title"] = 5; })},
        {"field value not JSON",
         changed([](Json& r) { r["queue"][0]["delta"]["openings"].front()["location"] = "{"; })},
        {"another order confirmed", changed([](Json& r) { r["order"] = "o2"; })},
        {"confirmed order unreadable", changed([](Json& r) { r["confirmed"] = "{"; })},
        {"nested too deep", std::string(10'000, '[') + std::string(10'000, ']')},
    };
    for (const auto& [name, bytes] : damaged)
        EXPECT_THROW(OrderReplica::load(bytes), ReplicaError) << name;
}

} // namespace
