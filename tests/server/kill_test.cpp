// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "orderio/order_file.h"
#include "server_client.h"
#include "server_process.h"
#include "storage/sqlite_db.h"

#include <Poco/Exception.h>
#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <mutex>
#include <nlohmann/json.hpp>
#include <random>
#include <thread>

namespace kavro::server::test {
namespace {

constexpr int kClients = 4;
constexpr int kPushesEach = 125;
constexpr int kKills = 12;
constexpr int kLeastKills = 10;

std::uint32_t seed() {
    if (const char* text = std::getenv("KAVRO_KILL_SEED"))
        return static_cast<std::uint32_t>(std::stoul(text));
    return std::random_device{}();
}

// One client's order: each push adds an opening and retitles the order,
// made on the revision the previous push was answered with. A push that
// got no answer is sent again with the same edit id until it gets one.
class Pusher {
public:
    Pusher(int number, unsigned short port)
        : number_(number), client_("http://127.0.0.1:" + std::to_string(port), 20) {
        order_.id = "kill-test-order-" + std::to_string(number);
    }

    // The first refusal, or empty when every push was answered.
    std::string run(std::atomic<int>& answered) {
        for (bool in = false; !in;) {
            try {
                in = signedIn(client_, "pusher-" + std::to_string(number_), "password-1");
            } catch (const Poco::Exception&) {
                client_.reconnect();
            }
            if (!in)
                pause();
        }
        for (int push = 1; push <= kPushesEach; ++push) {
            Opening opening;
            opening.id = "o-" + std::to_string(push);
            opening.location = std::to_string(push);
            order_.openings.push_back(opening);
            order_.title = expectedTitle(number_, push);
            const std::string edit = "edit-" + std::to_string(number_) + "-" + std::to_string(push);
            const cli::ServerReply answer = pushUntilAnswered(edit);
            if (answer.status != 200)
                return "push " + std::to_string(push) + ": " + std::to_string(answer.status) + " " +
                       answer.body;
            order_.revision = nlohmann::json::parse(answer.body)["revision"];
            ++answered;
        }
        return {};
    }

    static std::string expectedTitle(int number, int push) {
        return "client " + std::to_string(number) + " push " + std::to_string(push);
    }

private:
    cli::ServerReply pushUntilAnswered(const std::string& edit) {
        const std::string body = OrderFile::serialize(order_);
        for (;;) {
            try {
                const cli::ServerReply answer =
                    client_.request("PUT", "/api/v1/orders/" + order_.id + "?edit=" + edit, body);
                if (answer.status < 500)
                    return answer;
            } catch (const Poco::Exception&) {
                // Killed mid-request: the reply, not necessarily the write, is lost.
            }
            client_.reconnect();
            pause();
        }
    }

    static void pause() { std::this_thread::sleep_for(std::chrono::milliseconds(20)); }

    int number_;
    cli::ServerClient client_;
    Order order_;
};

class ServerKill : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override { KAVRO_SKIP_WITHOUT(GetParam()); }
};

TEST_P(ServerKill, EveryAnsweredPushSurvivesSigkill) {
    const std::uint32_t chosen = seed();
    RecordProperty("seed", std::to_string(chosen));
    SCOPED_TRACE("KAVRO_KILL_SEED=" + std::to_string(chosen));
    ServerProcess server(GetParam());
    server.addFirmAndAdmin("Фирма", "admin");
    for (int i = 0; i < kClients; ++i)
        ASSERT_EQ(
            server.admin({"add-user", "Фирма", "pusher-" + std::to_string(i), "--role", "member"},
                         "password-1"),
            0);
    server.start();

    std::atomic<int> answered{0};
    std::atomic<int> finished{0};
    std::vector<std::string> failures(kClients);
    std::vector<std::thread> clients;
    for (int i = 0; i < kClients; ++i)
        clients.emplace_back([&, i] {
            Pusher pusher(i, server.port);
            failures[i] = pusher.run(answered);
            ++finished;
        });
    // Kills at moments drawn from the seed: after a drawn number of answered
    // pushes, and a drawn few milliseconds more, so that some land between a
    // commit and its reply.
    std::mt19937 random(chosen);
    std::vector<int> killAfter(kKills);
    for (int& count : killAfter)
        count = std::uniform_int_distribution<int>(1, kClients * kPushesEach - 1)(random);
    std::sort(killAfter.begin(), killAfter.end());
    int kills = 0;
    for (const int count : killAfter) {
        while (answered < count && finished < kClients)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (finished == kClients)
            break;
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<int>(0, 20'000)(random)));
        server.kill();
        ++kills;
        server.start();
    }
    for (std::thread& client : clients)
        client.join();
    EXPECT_GE(kills, kLeastKills);
    EXPECT_EQ(answered, kClients * kPushesEach);
    for (const std::string& failure : failures)
        EXPECT_EQ(failure, "");

    // One more kill after the last answer, then everything is read back.
    server.kill();
    server.start();
    cli::ServerClient reader(server.url(), 20);
    ASSERT_TRUE(signedIn(reader, "admin", "password-1"));
    for (int i = 0; i < kClients; ++i) {
        const cli::ServerReply answer =
            reader.request("GET", "/api/v1/orders/kill-test-order-" + std::to_string(i));
        ASSERT_EQ(answer.status, 200);
        const Order order = OrderFile::parse(answer.body);
        EXPECT_EQ(order.title, Pusher::expectedTitle(i, kPushesEach));
        EXPECT_EQ(order.revision, kPushesEach) << "an edit applied twice or lost";
        ASSERT_EQ(order.openings.size(), static_cast<std::size_t>(kPushesEach));
        for (int push = 1; push <= kPushesEach; ++push)
            EXPECT_EQ(order.openings[push - 1].location, std::to_string(push));
    }
    server.kill();
    if (GetParam() != Backend::sqlite)
        return; // PostgreSQL was never killed; its own file checks are its own
    SqliteDb db(server.data / "server.db");
    auto check = db.prepare("PRAGMA integrity_check");
    ASSERT_TRUE(check.step());
    EXPECT_EQ(check.text(0), "ok");
}

INSTANTIATE_TEST_SUITE_P(Databases, ServerKill,
                         ::testing::Values(Backend::sqlite, Backend::postgres),
                         [](const auto& info) { return backendName(info.param); });

} // namespace
} // namespace kavro::server::test
