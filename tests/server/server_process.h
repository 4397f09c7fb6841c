// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "server_client.h"
#include "test_database.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace kavro::server::test {

// A kavro-server process on a loopback port, with its data in a temporary
// folder or a new PostgreSQL database (or `database`, another process's);
// killed when the object goes.
class ServerProcess {
public:
    explicit ServerProcess(Backend backend = Backend::sqlite, std::string database = {});
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    // Starts it and waits until it accepts connections.
    void start();
    // SIGKILL, and waits for the process to be gone.
    void kill();
    bool running() const { return pid_ > 0; }

    // Runs an admin command with `input` as its standard input; its status.
    int admin(const std::vector<std::string>& arguments, const std::string& input = {});
    // A firm with an admin `login` whose password is "password-1".
    void addFirmAndAdmin(const std::string& firm, const std::string& login);

    std::string url() const { return "http://127.0.0.1:" + std::to_string(port); }

    std::filesystem::path data;
    std::string database; // a postgresql:// URI, or empty for SQLite in `data`
    unsigned short port = 0;
    // More of kavro-server's options, for the next start.
    std::vector<std::string> options;

private:
    // --data FOLDER or --database URI.
    std::vector<std::string> storageArguments() const;

    pid_t pid_ = 0;
};

// Signs `client` in; whether the server took the login and password.
bool signedIn(cli::ServerClient& client, const std::string& login, const std::string& password);

// What a client waiting for changes through `waiter` hears when `writer`
// then pushes `order` as a new order, and how long after the push.
struct HeardPush {
    int pushStatus = 0;
    cli::ServerReply answer;
    std::chrono::steady_clock::duration after{};
};
HeardPush hearPush(cli::ServerClient& waiter, cli::ServerClient& writer, const std::string& order);

// The exit status of a shell command.
int shell(const std::string& command);

} // namespace kavro::server::test
