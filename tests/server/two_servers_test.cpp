// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Two kavro-server processes on one PostgreSQL database, as behind a load
// balancer: neither may keep what the other needs.

#include "server_client.h"
#include "server_process.h"

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace kavro::server::test {
namespace {

using Json = nlohmann::json;

constexpr const char* kOrder = R"({"format": "kavro-order", "version": 1, "title": "Дом"})";

class TwoServers : public ::testing::Test {
protected:
    void SetUp() override {
        KAVRO_SKIP_WITHOUT(Backend::postgres);
        first = std::make_unique<ServerProcess>(Backend::postgres);
        second = std::make_unique<ServerProcess>(Backend::postgres, first->database);
        first->addFirmAndAdmin("Фирма", "admin");
        first->start();
        second->start();
    }

    std::unique_ptr<ServerProcess> first, second;
};

TEST_F(TwoServers, WhatOneIsGivenTheOtherServes) {
    cli::ServerClient writer(first->url(), 20), reader(second->url(), 20);
    ASSERT_TRUE(signedIn(writer, "admin", "password-1"));
    ASSERT_TRUE(signedIn(reader, "admin", "password-1"));
    const cli::ServerReply pushed = writer.request("POST", "/api/v1/orders?edit=one", kOrder);
    ASSERT_EQ(pushed.status, 200) << pushed.body;
    const std::string id = Json::parse(pushed.body)["id"];
    const cli::ServerReply pulled = reader.request("GET", "/api/v1/orders/" + id);
    ASSERT_EQ(pulled.status, 200);
    EXPECT_EQ(Json::parse(pulled.body)["title"], "Дом");
    // The same edit sent again through the other, as a retry would be, is
    // known there and applied once.
    const cli::ServerReply again =
        reader.request("PUT", "/api/v1/orders/" + id + "?edit=one", kOrder);
    ASSERT_EQ(again.status, 200) << again.body;
    EXPECT_EQ(Json::parse(again.body)["revision"], 1);
}

TEST_F(TwoServers, AClientWaitingOnOneHearsAChangeMadeThroughTheOther) {
    cli::ServerClient waiter(second->url(), 20), writer(first->url(), 20);
    ASSERT_TRUE(signedIn(waiter, "admin", "password-1"));
    ASSERT_TRUE(signedIn(writer, "admin", "password-1"));
    const HeardPush heard = hearPush(waiter, writer, kOrder);
    ASSERT_EQ(heard.pushStatus, 200);
    EXPECT_LT(heard.after, std::chrono::seconds(1));
    const auto changes = Json::parse(heard.answer.body)["changes"];
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0]["by"], "admin");
}

TEST_F(TwoServers, SignInFailuresCountedThroughOneSlowTheOther) {
    cli::ServerClient guesser(first->url(), 20), owner(second->url(), 20);
    int tries = 0;
    // Wrong passwords until the first server makes the login wait.
    for (; tries < 20; ++tries) {
        const Json body{{"login", "admin"}, {"password", "wrong"}};
        if (guesser.request("POST", "/api/v1/sign-in", body.dump()).status == 429)
            break;
    }
    ASSERT_LT(tries, 20) << "the first server never made the login wait";
    const Json right{{"login", "admin"}, {"password", "password-1"}};
    EXPECT_EQ(owner.request("POST", "/api/v1/sign-in", right.dump()).status, 429);
}

} // namespace
} // namespace kavro::server::test
