// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "orderio/order_file.h"
#include "server_process.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace kavro::server::test {
namespace {

struct CliRun {
    int status;
    std::string out;
};

CliRun kavroOrder(const std::string& environment, const std::string& arguments) {
    const std::string command =
        environment + " " + KAVRO_ORDER + " " + arguments + " 2>/dev/null </dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer;
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

Order withoutIds(Order order) {
    order.id.clear();
    order.revision = 0;
    for (Opening& opening : order.openings) {
        opening.id.clear();
        opening.revision = 0;
    }
    return order;
}

TEST(OrderCli, PushedOrderComesBackAndUpdatesInPlace) {
    ServerProcess server;
    server.addFirmAndAdmin("Фирма", "admin");
    server.start();
    const std::string file = (server.data / "pulled.kavro").string();
    const std::string at = " --server " + server.url() + " --login admin";
    const std::string good = "KAVRO_PASSWORD=password-1";

    const CliRun pushed = kavroOrder(good, std::string("push ") + KAVRO_HOUSE + at);
    ASSERT_EQ(pushed.status, 0);
    ASSERT_EQ(pushed.out.size(), 33u) << pushed.out; // the id alone on its line
    const std::string id = pushed.out.substr(0, 32);
    ASSERT_EQ(kavroOrder(good, "pull " + id + at + " -o " + file).status, 0);
    const Order pulled = OrderFile::read(file);
    EXPECT_EQ(withoutIds(pulled), OrderFile::read(KAVRO_HOUSE));
    EXPECT_EQ(pulled.id, id);

    EXPECT_EQ(kavroOrder(good, "push " + file + at).out, pushed.out);
    const std::string listed = kavroOrder(good, "orders" + at).out;
    EXPECT_TRUE(listed.starts_with(id + "\t1\t")) << listed;
    EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 1) << listed;

    const struct {
        const char* name;
        std::string environment, arguments;
        int status;
    } refusals[] = {
        {"wrong password", "KAVRO_PASSWORD=wrong-one", "orders" + at, 3},
        {"forged token", "KAVRO_TOKEN=abc", "orders" + at, 3},
        {"no such order", good, "pull 0123456789abcdef0123456789abcdef" + at + " -o " + file, 4},
        {"server gone", good, "orders --server http://127.0.0.1:1 --login admin", 5},
    };
    for (const auto& refusal : refusals)
        EXPECT_EQ(kavroOrder(refusal.environment, refusal.arguments).status, refusal.status)
            << refusal.name;
}

} // namespace
} // namespace kavro::server::test
