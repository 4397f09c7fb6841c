// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "api/route_table.h"
#include "api_fixture.h"
#include "core/picture_bytes.h"
#include "storage/sqlite_db.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>

namespace kavro::server::test {
namespace {

using Json = nlohmann::json;

// "METHOD /api/v1/path" of every operation the OpenAPI file documents; a
// path's own server (`servers: - url: /`) replaces /api/v1.
std::set<std::string> documentedRoutes() {
    std::ifstream in(std::string(KAVRO_SOURCE_DIR) + "/docs/server-api.yaml");
    const std::regex path(R"(^  (/\S*):\s*$)"), method(R"(^    (get|post|put|delete):\s*$)"),
        server(R"(^      - url: (\S*)/\s*$)");
    std::set<std::string> routes;
    std::string line, current, base;
    std::smatch match;
    while (std::getline(in, line)) {
        if (std::regex_match(line, match, path)) {
            current = match[1];
            base = "/api/v1";
        } else if (!current.empty() && std::regex_match(line, match, server)) {
            base = match[1];
        } else if (!current.empty() && std::regex_match(line, match, method)) {
            std::string verb = match[1];
            for (char& c : verb)
                c = static_cast<char>(std::toupper(c));
            routes.insert(verb + " " + base + current);
        }
    }
    return routes;
}

std::string withTitle(const std::string& file, const std::string& title) {
    Json order = Json::parse(file);
    order["title"] = title;
    return order.dump();
}

class Isolation : public ::testing::TestWithParam<Backend>, public ApiFixture {
protected:
    void SetUp() override {
        KAVRO_SKIP_WITHOUT(GetParam());
        open(GetParam());
        firmA = storage->addFirm("Фирма А");
        firmB = storage->addFirm("Фирма Б");
        adminA = signedIn(firmA, "admin-a", Role::admin);
        adminB = signedIn(firmB, "admin-b", Role::admin);
        memberA = storage->addPerson(firmA, "member-a", {}, Role::member, "x");
        const Json pushed =
            Json::parse(call("POST", "/api/v1/orders", orderText("секрет А"), adminA).body);
        orderA = pushed["id"];
        // Two edits of revision 1's title: the second is a conflict.
        const std::string first = call("GET", "/api/v1/orders/" + orderA, {}, adminA).body;
        call("PUT", "/api/v1/orders/" + orderA, withTitle(first, "секрет А2"), adminA);
        call("PUT", "/api/v1/orders/" + orderA, withTitle(first, "секрет А3"), adminA);
        const Json conflicts =
            Json::parse(call("GET", "/api/v1/orders/" + orderA + "/conflicts", {}, adminA).body);
        ASSERT_EQ(conflicts["conflicts"].size(), 1u);
        conflictA = conflicts["conflicts"][0]["id"];
        tokenA = Json::parse(
            call("POST", "/api/v1/tokens", R"({"name": "секрет-токен"})", adminA).body)["id"];
        call("PUT", "/api/v1/firm", R"({"format": "kavro-firm", "version": 1, "name": "секрет"})",
             adminA);
        ASSERT_EQ(call("PUT", "/api/v1/firm/logo", kavro::test::pngHeader(10, 10), adminA).status,
                  200);
    }

    // Everything of firm A that a call could read or change.
    std::string snapshotOfA() {
        std::string all;
        for (const char* path : {"/api/v1/orders", "/api/v1/firm", "/api/v1/firm/logo",
                                 "/api/v1/prices", "/api/v1/people", "/api/v1/tokens"})
            all += call("GET", path, {}, adminA).body;
        all += call("GET", "/api/v1/orders/" + orderA, {}, adminA).body;
        all += call("GET", "/api/v1/orders/" + orderA + "/conflicts", {}, adminA).body;
        return all;
    }

    std::string pathWithIdsOfA(std::string pattern) {
        const std::map<std::string, std::string> ids = {{"{order}", orderA},
                                                        {"{conflict}", conflictA},
                                                        {"{person}", memberA},
                                                        {"{token}", tokenA}};
        for (const auto& [name, id] : ids)
            if (const auto at = pattern.find(name); at != std::string::npos)
                pattern.replace(at, name.size(), id);
        return pattern;
    }

    std::string firmA, firmB, adminA, adminB, memberA, orderA, conflictA, tokenA;
};

TEST_P(Isolation, TheDocumentedRoutesAreTheServedOnes) {
    std::set<std::string> served;
    for (const Route& route : routes())
        served.insert(std::string(route.method) + " " + std::string(route.pattern));
    EXPECT_EQ(documentedRoutes(), served);
}

// Another firm's admin calls every route with firm A's ids and a body that
// would be accepted from A's own: nothing of A is read or changed.
TEST_P(Isolation, AnotherFirmReachesNothingOfTheFirm) {
    const std::string fileOfA = call("GET", "/api/v1/orders/" + orderA, {}, adminA).body;
    const std::map<std::string, std::string> bodies = {
        {"POST /api/v1/sign-in", R"({"login": "admin-b", "password": "password-1"})"},
        {"POST /api/v1/orders", withTitle(fileOfA, "чужое")},
        {"PUT /api/v1/orders/{order}", withTitle(fileOfA, "чужое")},
        {"POST /api/v1/orders/{order}/conflicts/{conflict}", R"({"keep": "edit"})"},
        {"PUT /api/v1/firm", R"({"format": "kavro-firm", "version": 1, "name": "Б"})"},
        {"PUT /api/v1/firm/logo", kavro::test::pngHeader(100, 50)},
        {"PUT /api/v1/prices", "Артикул;Цена, руб.\n4200001;100\n"},
        {"POST /api/v1/people",
         R"({"login": "new-b", "password": "password-2", "role": "member"})"},
        {"POST /api/v1/tokens", R"({"name": "b"})"},
        {"POST /api/v1/people/{person}/password", R"({"password": "password-9"})"},
        {"POST /api/v1/me/password", R"({"current": "password-1", "password": "password-9"})"},
    };
    const std::string before = snapshotOfA();
    for (const std::string& documented : documentedRoutes()) {
        SCOPED_TRACE(documented);
        const auto space = documented.find(' ');
        const std::string method = documented.substr(0, space);
        const std::string pattern = documented.substr(space + 1);
        const auto body = bodies.find(documented);
        const bool bodiless = method == "GET" || method == "DELETE" ||
                              pattern.ends_with("/disable") || pattern.ends_with("/sign-out");
        ASSERT_TRUE(body != bodies.end() || bodiless) << "no request for this route in the test";
        const ApiReply reply =
            call(method, pathWithIdsOfA(pattern), body == bodies.end() ? "" : body->second, adminB);
        if (pattern.find('{') != std::string::npos) {
            EXPECT_EQ(reply.status, 404) << reply.body;
        }
        EXPECT_EQ(reply.body.find("секрет"), std::string::npos) << reply.body;
        if (pattern.ends_with("/sign-out"))
            adminB = signedIn(firmB, "admin-b2-" + std::to_string(now++), Role::admin);
    }
    EXPECT_EQ(snapshotOfA(), before);
}

TEST_P(Isolation, NoValidSessionReachesNothing) {
    const std::string expiring = [&] {
        const auto at = now.load();
        now = at - SignIn::kSessionSeconds - 1;
        std::string session = signedIn(firmA, "old-a", Role::admin);
        now = at;
        return session;
    }();
    const std::string disabled = signedIn(firmA, "gone-a", Role::admin);
    storage->disablePerson(firmA, storage->personByLogin("gone-a")->id);
    const std::string before = snapshotOfA();
    const struct {
        const char* name;
        std::string session, bearer;
    } callers[] = {{"none", "", ""},
                   {"expired", expiring, ""},
                   {"forged", std::string(64, 'a'), ""},
                   {"forged token", "", std::string(64, 'b')},
                   {"disabled", disabled, ""},
                   {"session as a token", "", adminA}};
    for (const auto& caller : callers) {
        for (const Route& route : routes()) {
            if (route.access == Access::anyone)
                continue;
            SCOPED_TRACE(std::string(caller.name) + " " + std::string(route.pattern));
            const ApiReply reply =
                call(std::string(route.method), pathWithIdsOfA(std::string(route.pattern)), "{}",
                     caller.session, caller.bearer);
            EXPECT_EQ(reply.status, 401);
        }
    }
    EXPECT_EQ(snapshotOfA(), before);
}

TEST_P(Isolation, ManyWrongPasswordsMakeEvenTheRightOneWait) {
    const auto signIn = [&](const char* password) {
        return call("POST", "/api/v1/sign-in",
                    Json{{"login", "admin-a"}, {"password", password}}.dump());
    };
    for (int i = 0; i < 20; ++i)
        EXPECT_NE(signIn("wrong").status, 200);
    const ApiReply waited = signIn("password-1");
    EXPECT_EQ(waited.status, 429);
    // A login that does not exist is refused in the same words.
    EXPECT_EQ(
        call("POST", "/api/v1/sign-in", R"({"login": "nobody", "password": "password-1"})").body,
        call("POST", "/api/v1/sign-in", R"({"login": "admin-b", "password": "wrong-one"})").body);
    now += SignIn::kMaxWait;
    EXPECT_EQ(signIn("password-1").status, 200);
}

// A push of a new order whose answer was lost is sent again with the same
// edit id: one order, in the pushing firm only.
TEST_P(Isolation, ANewOrderSentAgainIsMadeOnceInItsOwnFirm) {
    const auto push = [&](const std::string& session) {
        const ApiReply reply =
            call("POST", "/api/v1/orders?edit=lost-reply", orderText("повтор"), session);
        EXPECT_EQ(reply.status, 200) << reply.body;
        return Json::parse(reply.body);
    };
    const Json first = push(adminA), again = push(adminA), other = push(adminB);
    EXPECT_EQ(again["id"], first["id"]);
    EXPECT_TRUE(again["repeated"].get<bool>());
    EXPECT_NE(other["id"], first["id"]);
    EXPECT_FALSE(other["repeated"].get<bool>());
    EXPECT_EQ(storage->orders(firmA).size(), 2u) << "orderA and the one pushed twice";
    EXPECT_EQ(storage->orders(firmB).size(), 1u);
}

// A logo taken away stays away: the firm's devices fetch none.
TEST_P(Isolation, ALogoTakenAwayIsNoLongerServed) {
    EXPECT_EQ(call("DELETE", "/api/v1/firm/logo", {}, adminA).status, 200);
    EXPECT_EQ(call("GET", "/api/v1/firm/logo", {}, adminA).status, 404);
}

INSTANTIATE_TEST_SUITE_P(Databases, Isolation,
                         ::testing::Values(Backend::sqlite, Backend::postgres),
                         [](const auto& info) { return backendName(info.param); });

// On SQLite only: the test breaks the database by dropping a table through
// a second connection to its file.
class Health : public ::testing::Test, public ApiFixture {
protected:
    void SetUp() override { open(Backend::sqlite); }
};

// Health is told to anyone, and turns to 503 when the database fails a read.
TEST_F(Health, FollowsTheDatabase) {
    EXPECT_EQ(call("GET", "/healthz").body, R"({"status":"ok"})");
    SqliteDb(folder / "server.db").exec("DROP TABLE changes");
    const ApiReply broken = call("GET", "/healthz");
    EXPECT_EQ(broken.status, 503);
    EXPECT_EQ(broken.body, R"({"status":"unavailable"})");
}

} // namespace
} // namespace kavro::server::test
