// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "orderio/order_file.h"
#include "server_client.h"
#include "server_process.h"

#include <atomic>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <thread>

namespace kavro::server::test {
namespace {

constexpr int kClients = 3;
constexpr int kPushes = 80;

// Client `number` pushes its own order kPushes times, one opening more
// each time, and counts in `answered` the pushes the server answered.
std::string pushAll(const std::string& url, int number, std::atomic<int>& answered) {
    cli::ServerClient client(url, 20);
    if (!signedIn(client, "admin", "password-1"))
        return "sign-in refused";
    Order order;
    order.id = "backup-order-" + std::to_string(number);
    for (int push = 1; push <= kPushes; ++push) {
        Opening opening;
        opening.id = "o-" + std::to_string(push);
        opening.location = std::to_string(push);
        order.openings.push_back(opening);
        const cli::ServerReply reply =
            client.request("PUT", "/api/v1/orders/" + order.id + "?edit=" + std::to_string(push),
                           OrderFile::serialize(order));
        if (reply.status != 200)
            return reply.body;
        order.revision = nlohmann::json::parse(reply.body)["revision"];
        answered = push;
    }
    return {};
}

TEST(ServerBackup, CopyTakenDuringPushesRestoresEveryPushAnsweredBefore) {
    ServerProcess server;
    server.addFirmAndAdmin("Фирма", "admin");
    server.start();
    std::atomic<int> answered[kClients] = {};
    std::string failures[kClients];
    std::vector<std::thread> clients;
    for (int i = 0; i < kClients; ++i)
        clients.emplace_back([&, i] { failures[i] = pushAll(server.url(), i, answered[i]); });
    const auto started = [&] {
        for (const auto& count : answered)
            if (count < kPushes / 4)
                return false;
        return true;
    };
    while (!started())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    int before[kClients];
    for (int i = 0; i < kClients; ++i)
        before[i] = answered[i];
    const std::string copy = (server.data / "copy.db").string();
    EXPECT_EQ(server.admin({"backup", copy}), 0);
    EXPECT_EQ(server.admin({"restore", copy}), 1) << "restored under a running server";
    for (std::thread& client : clients)
        client.join();
    for (const std::string& failure : failures)
        ASSERT_EQ(failure, "");

    ServerProcess restored;
    ASSERT_EQ(restored.admin({"restore", copy}), 0);
    restored.start();
    cli::ServerClient reader(restored.url(), 20);
    EXPECT_EQ(reader.request("GET", "/healthz").status, 200);
    ASSERT_TRUE(signedIn(reader, "admin", "password-1"));
    for (int i = 0; i < kClients; ++i) {
        const auto reply =
            reader.request("GET", "/api/v1/orders/backup-order-" + std::to_string(i));
        ASSERT_EQ(reply.status, 200);
        const Order order = OrderFile::parse(reply.body);
        // Whole pushes only: each added one opening and one revision.
        EXPECT_EQ(order.openings.size(), static_cast<std::size_t>(order.revision));
        EXPECT_GE(order.revision, before[i]) << "a push answered before the backup is lost";
    }
}

} // namespace
} // namespace kavro::server::test
