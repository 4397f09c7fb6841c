// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// An order asked for as what changed after the revision a client holds.

#include "api_fixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace kavro::server::test {
namespace {

using Json = nlohmann::json;

class OrderChanges : public ::testing::TestWithParam<Backend>, public ApiFixture {
protected:
    void SetUp() override {
        KAVRO_SKIP_WITHOUT(GetParam());
        open(GetParam());
        admin = signedIn(storage->addFirm("Фирма"), "admin", Role::admin);
        id = Json::parse(call("POST", "/api/v1/orders", orderText("Дом"), admin).body)["id"];
    }

    Json get(const std::string& query) {
        return Json::parse(call("GET", "/api/v1/orders/" + id + query, {}, admin).body);
    }

    std::string admin;
    std::string id;
};

// The locations of the openings an answer's order file holds.
std::vector<std::string> locations(const Json& answer) {
    std::vector<std::string> all;
    const Json file = Json::parse(answer["order"].get<std::string>());
    for (const Json& opening : file["openings"])
        all.push_back(opening["location"]);
    return all;
}

TEST_P(OrderChanges, HoldOnlyTheOpeningsChangedAfterTheRevisionNamed) {
    Json file = get("");
    const Json sequence = {file["openings"][0]["id"], file["openings"][1]["id"]};
    file["openings"][1]["location"] = "Зал 2";
    const Json edited = Json::parse(
        call("PUT", "/api/v1/orders/" + id + "?edit=e1&since=1", file.dump(), admin).body);
    EXPECT_EQ(edited["since"], 1);
    EXPECT_EQ(edited["sequence"], sequence);
    EXPECT_EQ(locations(edited), std::vector<std::string>{"Зал 2"});

    struct Case {
        const char* query;
        std::vector<std::string> sent;
        bool whole;
    };
    for (const Case& c :
         {Case{"?since=0", {"Кухня", "Зал 2"}, false}, Case{"?since=1", {"Зал 2"}, false},
          Case{"?since=2", {}, false}, Case{"?since=3", {"Кухня", "Зал 2"}, true}}) {
        const Json answer = get(c.query);
        EXPECT_EQ(answer["revision"], 2) << c.query;
        EXPECT_EQ(locations(answer), c.sent) << c.query;
        EXPECT_EQ(answer.contains("sequence"), !c.whole) << c.query;
    }
    EXPECT_EQ(call("GET", "/api/v1/orders/" + id + "?since=x", {}, admin).status, 400);
}

TEST_P(OrderChanges, AnEditSentAsWhatItChangedTakesTheRestFromItsRevision) {
    Json file = get("");
    const Json first = file["openings"][0];
    const Json second = file["openings"][1];
    file["openings"] = Json::array({first});
    file["openings"][0]["location"] = "Кухня 2";
    const auto put = [&](const Json& sequence) {
        return call("PUT", "/api/v1/orders/" + id + "?partial=1",
                    Json{{"sequence", sequence}, {"order", file.dump()}}.dump(), admin)
            .status;
    };
    EXPECT_EQ(put({second["id"], first["id"], "x"}), 400) << "an opening the order never had";
    EXPECT_EQ(put({second["id"], first["id"]}), 200);
    EXPECT_EQ(locations({{"order", get("").dump()}}), (std::vector<std::string>{"Зал", "Кухня 2"}));
}

INSTANTIATE_TEST_SUITE_P(Databases, OrderChanges,
                         ::testing::Values(Backend::sqlite, Backend::postgres),
                         [](const auto& info) { return backendName(info.param); });

} // namespace
} // namespace kavro::server::test
