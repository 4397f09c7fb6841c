// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "api_fixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace kavro::server::test {
namespace {

using Json = nlohmann::json;

class People : public ::testing::TestWithParam<Backend>, public ApiFixture {
protected:
    void SetUp() override {
        KAVRO_SKIP_WITHOUT(GetParam());
        open(GetParam());
        firm = storage->addFirm("Фирма");
        admin = signedIn(firm, "admin", Role::admin);
        phone = signedIn(firm, "ann", Role::member);
        desk = signIn("ann", "password-1");
    }

    std::string signIn(const std::string& login, const std::string& password) {
        return sessionOf(
            call("POST", "/api/v1/sign-in", Json{{"login", login}, {"password", password}}.dump()));
    }
    int me(const std::string& session) { return call("GET", "/api/v1/me", {}, session).status; }

    std::string firm, admin, phone, desk;
};

// The session that changed the password stays; every other one of that
// person ends, and only the new password signs in.
TEST_P(People, ChangingOnesPasswordEndsTheOtherSessions) {
    const auto change = [&](const char* current) {
        return call("POST", "/api/v1/me/password",
                    Json{{"current", current}, {"password", "new-password"}}.dump(), desk)
            .status;
    };
    EXPECT_EQ(change("wrong-one"), 403);
    EXPECT_EQ(me(phone), 200) << "a refused change ends nothing";
    EXPECT_EQ(change("password-1"), 200);
    EXPECT_EQ(me(desk), 200);
    EXPECT_EQ(me(phone), 401);
    EXPECT_EQ(me(admin), 200);
    EXPECT_TRUE(signIn("ann", "password-1").empty());
    EXPECT_FALSE(signIn("ann", "new-password").empty());
}

TEST_P(People, AResetPasswordSignsThePersonOutEverywhere) {
    const std::string ann = storage->personByLogin("ann")->id;
    const auto reset = [&](const std::string& id, const char* password) {
        return call("POST", "/api/v1/people/" + id + "/password",
                    Json{{"password", password}}.dump(), admin)
            .status;
    };
    EXPECT_EQ(reset(ann, "short"), 400);
    EXPECT_EQ(reset("no-such-person", "long-enough"), 404);
    EXPECT_EQ(reset(ann, "long-enough"), 200);
    EXPECT_EQ(me(phone), 401);
    EXPECT_EQ(me(desk), 401);
    EXPECT_EQ(me(admin), 200);
    EXPECT_FALSE(signIn("ann", "long-enough").empty());
    call("POST", "/api/v1/people",
         R"({"login": "bob", "name": "Борис", "password": "bob-password", "role": "member"})",
         admin);
    EXPECT_NE(call("GET", "/api/v1/people", {}, admin).body.find("Борис"), std::string::npos);
    // Not from a script: a token has no password of its own.
    const std::string token =
        Json::parse(call("POST", "/api/v1/tokens", R"({"name": "t"})", admin).body)["token"];
    EXPECT_EQ(call("POST", "/api/v1/me/password",
                   R"({"current": "password-1", "password": "new-password"})", {}, token)
                  .status,
              403);
}

// Who changed an order last and when, and its conflicts, as the list
// shows them: the last change is ann's conflicting edit, not the push.
TEST_P(People, TheOrdersListTellsTheLastChangeAndTheConflicts) {
    const std::string id =
        Json::parse(call("POST", "/api/v1/orders", orderText("Дача"), admin).body)["id"];
    Json file = Json::parse(call("GET", "/api/v1/orders/" + id, {}, admin).body);
    const auto orders = [&] {
        return Json::parse(call("GET", "/api/v1/orders", {}, admin).body)["orders"];
    };
    EXPECT_EQ(orders()[0]["changedBy"], "admin");
    EXPECT_EQ(orders()[0]["conflicts"], 0);
    file["title"] = "Дача 2";
    call("PUT", "/api/v1/orders/" + id, file.dump(), admin);
    now += 60;
    file["title"] = "Дача 3"; // on the same revision: a conflict
    call("PUT", "/api/v1/orders/" + id, file.dump(), phone);
    const Json listed = orders();
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0]["changedBy"], "ann");
    EXPECT_EQ(listed[0]["changedAt"], now.load());
    EXPECT_EQ(listed[0]["conflicts"], 1);
    // Keeping the current version changes no field, yet the devices
    // following the changes must hear that the conflict is gone.
    const std::string conflict = Json::parse(
        call("GET", "/api/v1/orders/" + id + "/conflicts", {}, admin).body)["conflicts"][0]["id"];
    const Json last = Json::parse(call("GET", "/api/v1/changes?since=0", {}, admin).body)["last"];
    const std::string resolve = "/api/v1/orders/" + id + "/conflicts/" + conflict;
    EXPECT_EQ(call("POST", resolve, R"({"keep": "current"})", admin).status, 200);
    const Json heard =
        Json::parse(call("GET", "/api/v1/changes?since=" + last.dump(), {}, phone).body)["changes"];
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0]["id"], id);
    EXPECT_EQ(orders()[0]["conflicts"], 0);
    EXPECT_EQ(call("POST", resolve, R"({"keep": "edit"})", phone).status, 404);
}

INSTANTIATE_TEST_SUITE_P(Databases, People, ::testing::Values(Backend::sqlite, Backend::postgres),
                         [](const auto& info) { return backendName(info.param); });

} // namespace
} // namespace kavro::server::test
