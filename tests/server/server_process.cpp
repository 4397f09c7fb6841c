// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "server_process.h"

#include <Poco/Net/ServerSocket.h>
#include <Poco/Net/StreamSocket.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <future>
#include <nlohmann/json.hpp>
#include <random>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace kavro::server::test {

namespace {

unsigned short freePort() {
    Poco::Net::ServerSocket socket(Poco::Net::SocketAddress("127.0.0.1", 0));
    return socket.address().port();
}

std::string quoted(const std::string& text) {
    std::string result = "'";
    for (char c : text)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

} // namespace

int shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ServerProcess::ServerProcess(Backend backend, std::string database)
    : data(std::filesystem::temp_directory_path() /
           ("kavro-server-" + std::to_string(std::random_device{}()))),
      database(backend == Backend::postgres && database.empty() ? newPostgresDatabase()
                                                                : std::move(database)),
      port(freePort()) {
    std::filesystem::create_directories(data);
}

std::vector<std::string> ServerProcess::storageArguments() const {
    if (database.empty())
        return {"--data", data.string()};
    return {"--database", database};
}

ServerProcess::~ServerProcess() {
    if (running())
        kill();
    std::error_code ignored;
    std::filesystem::remove_all(data, ignored);
}

void ServerProcess::start() {
    std::vector<std::string> arguments = {KAVRO_SERVER, "--listen",
                                          "127.0.0.1:" + std::to_string(port)};
    for (std::string& argument : storageArguments())
        arguments.push_back(std::move(argument));
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        // Only async-signal-safe calls before exec: the test has threads.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execv(KAVRO_SERVER, argv.data());
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        try {
            Poco::Net::StreamSocket probe(Poco::Net::SocketAddress("127.0.0.1", port));
            return;
        } catch (const Poco::Exception&) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    throw std::runtime_error("kavro-server did not start");
}

void ServerProcess::kill() {
    ::kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = 0;
}

int ServerProcess::admin(const std::vector<std::string>& arguments, const std::string& input) {
    std::string command = "printf '%s\\n' " + quoted(input) + " | " + KAVRO_SERVER;
    for (const std::string& argument : storageArguments())
        command += " " + quoted(argument);
    for (const std::string& argument : arguments)
        command += " " + quoted(argument);
    return shell(command + " >/dev/null");
}

void ServerProcess::addFirmAndAdmin(const std::string& firm, const std::string& login) {
    if (admin({"add-firm", firm}) != 0 ||
        admin({"add-user", firm, login, "--role", "admin"}, "password-1") != 0)
        throw std::runtime_error("kavro-server's admin commands failed");
}

bool signedIn(cli::ServerClient& client, const std::string& login, const std::string& password) {
    const nlohmann::json body{{"login", login}, {"password", password}};
    return client.request("POST", "/api/v1/sign-in", body.dump()).status == 200;
}

HeardPush hearPush(cli::ServerClient& waiter, cli::ServerClient& writer, const std::string& order) {
    auto heard = std::async(std::launch::async, [&] {
        const cli::ServerReply answer = waiter.request("GET", "/api/v1/changes?since=0&wait=10");
        return std::make_pair(answer, std::chrono::steady_clock::now());
    });
    // The waiter is waiting before the push.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const auto pushed = std::chrono::steady_clock::now();
    const int status = writer.request("POST", "/api/v1/orders?edit=first", order).status;
    const auto [answer, at] = heard.get();
    return {status, answer, at - pushed};
}

} // namespace kavro::server::test
