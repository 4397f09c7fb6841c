// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "api/api_message.h"
#include "server_client.h"
#include "server_process.h"
#include "storage/sqlite_storage.h"

#include <Poco/Net/HTTPClientSession.h>
#include <Poco/Net/HTTPRequest.h>
#include <Poco/Net/HTTPResponse.h>
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace kavro::server::test {
namespace {

class HttpEdge : public ::testing::Test {
protected:
    void SetUp() override {
        server.addFirmAndAdmin("Фирма", "admin");
        server.start();
    }
    ServerProcess server;
};

// Announced one byte over the limit, and never sent: a server that read the
// body before refusing would wait for it until its timeout.
TEST_F(HttpEdge, OversizedBodyIsRefusedBeforeItIsRead) {
    Poco::Net::HTTPClientSession session("127.0.0.1", server.port);
    session.setTimeout(Poco::Timespan(5, 0));
    Poco::Net::HTTPRequest request("POST", "/api/v1/orders", Poco::Net::HTTPMessage::HTTP_1_1);
    request.setContentLength64(static_cast<Poco::Int64>(kMaxBodyBytes) + 1);
    session.sendRequest(request) << "{";
    Poco::Net::HTTPResponse response;
    const auto started = std::chrono::steady_clock::now();
    session.receiveResponse(response);
    EXPECT_EQ(response.getStatus(), 413);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
}

TEST_F(HttpEdge, WaitingClientHearsOfAChangeWithinASecond) {
    cli::ServerClient waiter(server.url(), 20), writer(server.url(), 20);
    ASSERT_TRUE(signedIn(waiter, "admin", "password-1"));
    ASSERT_TRUE(signedIn(writer, "admin", "password-1"));
    const HeardPush heard =
        hearPush(waiter, writer, R"({"format": "kavro-order", "version": 1, "title": "Дом"})");
    ASSERT_EQ(heard.pushStatus, 200);
    EXPECT_LT(heard.after, std::chrono::seconds(1));
    const auto changes = nlohmann::json::parse(heard.answer.body)["changes"];
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0]["by"], "admin");
}

// Behind nginx every request comes from loopback: sign-in failures are
// counted by the client that nginx names, so one client's failures hold
// back no other; a server facing clients believes no such header.
TEST(HttpBehindProxy, SignInFailuresCountByTheAddressTheProxyNames) {
    const struct {
        const char* name;
        std::vector<std::string> options;
        std::string counted;
    } rows[] = {{"behind a proxy", {"--behind-proxy"}, "203.0.113.1"},
                {"facing clients", {}, "127.0.0.1"}};
    for (const auto& row : rows) {
        ServerProcess server;
        server.options = row.options;
        server.start();
        Poco::Net::HTTPClientSession session("127.0.0.1", server.port);
        Poco::Net::HTTPRequest request("POST", "/api/v1/sign-in", Poco::Net::HTTPMessage::HTTP_1_1);
        request.set("X-Real-IP", "203.0.113.1");
        const std::string body = R"({"login": "nobody", "password": "wrong-one"})";
        request.setContentLength64(static_cast<Poco::Int64>(body.size()));
        session.sendRequest(request) << body;
        Poco::Net::HTTPResponse response;
        session.receiveResponse(response);
        EXPECT_EQ(response.getStatus(), 401) << row.name;
        server.kill();
        SqliteStorage storage(server.data);
        EXPECT_EQ(storage.failures("address:" + row.counted).count, 1) << row.name;
    }
}

} // namespace
} // namespace kavro::server::test
