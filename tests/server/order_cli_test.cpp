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

// A self-signed certificate for `names` (subjectAltName entries) as
// `file`.pem, its key beside it: the certificate's path.
std::string selfSigned(const std::filesystem::path& file, const std::string& names) {
    const std::string cert = file.string() + ".pem";
    const int made =
        shell("openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=kavro"
              " -keyout " +
              cert + ".key -out " + cert + " -addext subjectAltName=" + names + " 2>/dev/null");
    return made == 0 ? cert : "";
}

// Over HTTPS the order goes out and comes back only to a server whose
// certificate is trusted through KAVRO_CA_FILE and names the host asked for.
TEST(OrderCli, HttpsOnlyToATrustedCertificateOfTheHost) {
    ServerProcess server;
    server.addFirmAndAdmin("Фирма", "admin");
    const std::string own = selfSigned(server.data / "own", "DNS:localhost,IP:127.0.0.1");
    const std::string other = selfSigned(server.data / "other", "DNS:other.example");
    ASSERT_NE(own, "");
    ASSERT_NE(other, "");
    server.options = {"--tls-cert", own, "--tls-key", own + ".key"};
    server.start();
    const std::string port = std::to_string(server.port);
    const std::string file = (server.data / "pulled.kavro").string();
    const std::string trusted = "KAVRO_PASSWORD=password-1 KAVRO_CA_FILE=" + own;
    const std::string at = " --server https://localhost:" + port + " --login admin";
    const CliRun pushed = kavroOrder(trusted, std::string("push ") + KAVRO_HOUSE + at);
    ASSERT_EQ(pushed.status, 0);
    ASSERT_EQ(kavroOrder(trusted, "pull " + pushed.out.substr(0, 32) + at + " -o " + file).status,
              0);
    EXPECT_EQ(OrderFile::read(file).title, OrderFile::read(KAVRO_HOUSE).title);

    const struct {
        const char* name;
        std::string environment, url;
        int status;
    } cases[] = {
        {"by address", trusted, "https://127.0.0.1:" + port, 0},
        {"no authority given", "KAVRO_PASSWORD=password-1", "https://localhost:" + port, 5},
        {"another certificate trusted", "KAVRO_PASSWORD=password-1 KAVRO_CA_FILE=" + other,
         "https://localhost:" + port, 5},
        {"plain HTTP to HTTPS", trusted, "http://localhost:" + port, 5},
    };
    for (const auto& row : cases)
        EXPECT_EQ(kavroOrder(row.environment, "orders --login admin --server " + row.url).status,
                  row.status)
            << row.name;
    // A trusted certificate, but for another host than the one asked for.
    server.kill();
    server.options = {"--tls-cert", other, "--tls-key", other + ".key"};
    server.start();
    EXPECT_EQ(kavroOrder("KAVRO_PASSWORD=password-1 KAVRO_CA_FILE=" + other,
                         "orders --login admin --server https://127.0.0.1:" + port)
                  .status,
              5);
}

} // namespace
} // namespace kavro::server::test
