// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The firm's server under many clients, on loopback. Starts kavro-server on
// a fresh data folder, or on an empty PostgreSQL database with --database,
// as one process or several (--processes, each on its own port, all on the
// one database); 200 signed-in clients each push an edit of their own order
// every 2 s on one connection and wait for the firm's changes on another,
// through the next process, so that with several every change crosses from
// one to another. Prints the push's latency, how long a change takes to
// reach the other clients, each process's peak memory, and how long a
// 1,000-opening order takes to pull whole.
//
//   server_bench [CLIENTS] [SECONDS] [--database URI] [--processes N]
//   (default 200 clients, 30 s, SQLite, one process)
#include "orderio/order_file.h"

#include <Poco/Net/HTTPClientSession.h>
#include <Poco/Net/HTTPCookie.h>
#include <Poco/Net/HTTPRequest.h>
#include <Poco/Net/HTTPResponse.h>
#include <Poco/StreamCopier.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <nlohmann/json.hpp>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using Json = nlohmann::json;
constexpr unsigned short kPort = 18491;

struct Client {
    explicit Client(int process = 0)
        : session("127.0.0.1", static_cast<unsigned short>(kPort + process)) {}

    Poco::Net::HTTPClientSession session;
    std::string cookie;

    std::string call(const std::string& method, const std::string& path,
                     const std::string& body = {}) {
        Poco::Net::HTTPRequest request(method, path, Poco::Net::HTTPMessage::HTTP_1_1);
        request.setContentLength64(static_cast<Poco::Int64>(body.size()));
        if (!cookie.empty())
            request.set("Cookie", "kavro_session=" + cookie);
        session.sendRequest(request) << body;
        Poco::Net::HTTPResponse response;
        std::istream& in = session.receiveResponse(response);
        std::string text;
        Poco::StreamCopier::copyToString(in, text);
        std::vector<Poco::Net::HTTPCookie> cookies;
        response.getCookies(cookies);
        for (const auto& c : cookies)
            cookie = c.getValue();
        if (response.getStatus() >= 400)
            throw std::runtime_error(path + ": " + text);
        return text;
    }
};

double percentile(std::vector<double> values, double p) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(p * values.size()))];
}

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

std::string peakMemory(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:"))
            return line.substr(6);
    return "?";
}

struct Options {
    int clients = 200;
    int seconds = 30;
    std::string database; // empty: SQLite in a fresh folder
    int processes = 1;
};

Options options(int argc, char** argv) {
    Options o;
    std::vector<std::string> plain;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--database" && i + 1 < argc)
            o.database = argv[++i];
        else if (argument == "--processes" && i + 1 < argc)
            o.processes = std::max(1, std::atoi(argv[++i]));
        else
            plain.push_back(argument);
    }
    if (!plain.empty())
        o.clients = std::atoi(plain[0].c_str());
    if (plain.size() > 1)
        o.seconds = std::atoi(plain[1].c_str());
    return o;
}

pid_t startServer(const std::string& server, const std::string& where, const std::string& value,
                  int process) {
    const std::string listen = "127.0.0.1:" + std::to_string(kPort + process);
    const pid_t pid = fork();
    if (pid == 0) {
        execl(server.c_str(), server.c_str(), "--listen", listen.c_str(), where.c_str(),
              value.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

} // namespace

int main(int argc, char** argv) {
    const Options o = options(argc, argv);
    const int clients = o.clients;
    const int seconds = o.seconds;
    const std::string data = "/tmp/kavro-server-bench-" + std::to_string(getpid());
    const std::string server = KAVRO_SERVER;
    // Values of our own or the caller's, quoted for the shell.
    const std::string where = o.database.empty() ? "--data" : "--database";
    const std::string value = o.database.empty() ? data : o.database;
    const std::string at = " " + where + " '" + value + "'";
    std::system(("rm -rf " + data + " && " + server + at + " add-firm F >/dev/null && " +
                 "echo bench-password | " + server + at +
                 " add-user F bench --role admin >/dev/null")
                    .c_str());
    std::vector<pid_t> pids;
    for (int process = 0; process < o.processes; ++process)
        pids.push_back(startServer(server, where, value, process));
    // One sign-in for all: each takes an Argon2id hash, and 200 of them one
    // after another would measure the hash, not the pushes.
    Client first;
    for (int tries = 0;; ++tries) {
        try {
            first.call("POST", "/api/v1/sign-in",
                       R"({"login": "bench", "password": "bench-password"})");
            break;
        } catch (const std::exception&) {
            if (tries == 100)
                throw;
            first.session.reset();
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    std::vector<std::unique_ptr<Client>> pushers, waiters;
    for (int i = 0; i < clients; ++i) {
        pushers.push_back(std::make_unique<Client>(i % o.processes));
        pushers.back()->cookie = first.cookie;
        waiters.push_back(std::make_unique<Client>((i + 1) % o.processes));
        waiters.back()->cookie = first.cookie;
    }
    std::atomic<int> failures = 0;
    std::mutex mutex;
    std::map<std::string, Clock::time_point> answered; // "order#revision"
    std::vector<std::pair<std::string, Clock::time_point>> heard;
    std::vector<double> pushMs;
    const auto end = Clock::now() + std::chrono::seconds(seconds);
    std::vector<std::thread> threads;
    for (int i = 0; i < clients; ++i) {
        // Pushes: a new title every 2 s, made on the last answered revision.
        threads.emplace_back([&, i] {
            try {
                kavro::Order order;
                order.id = "bench-order-" + std::to_string(i);
                std::this_thread::sleep_for(std::chrono::milliseconds(2000 * i / clients));
                for (int n = 1; Clock::now() < end; ++n) {
                    order.title = "edit " + std::to_string(n);
                    const auto started = Clock::now();
                    const Json reply = Json::parse(pushers[i]->call(
                        "PUT", "/api/v1/orders/" + order.id + "?edit=e" + std::to_string(n),
                        kavro::OrderFile::serialize(order)));
                    const auto done = Clock::now();
                    order.revision = reply["revision"];
                    {
                        const std::lock_guard lock(mutex);
                        pushMs.push_back(ms(done - started));
                        answered[order.id + "#" + std::to_string(order.revision)] = done;
                    }
                    std::this_thread::sleep_until(started + std::chrono::seconds(2));
                }
            } catch (const std::exception& error) {
                if (failures++ == 0)
                    std::cerr << "a pusher stopped: " << error.what() << '\n';
            }
        });
        // Waits for changes, as a page would.
        threads.emplace_back([&, i] {
            try {
                std::int64_t since = 0;
                while (Clock::now() < end + std::chrono::seconds(2)) {
                    const Json reply = Json::parse(waiters[i]->call(
                        "GET", "/api/v1/changes?wait=5&since=" + std::to_string(since)));
                    const auto now = Clock::now();
                    since = reply["last"];
                    const std::lock_guard lock(mutex);
                    for (const Json& change : reply["changes"])
                        heard.emplace_back(
                            change["id"].get<std::string>() + "#" +
                                std::to_string(change["revision"].get<std::int64_t>()),
                            now);
                }
            } catch (const std::exception& error) {
                if (failures++ == 0)
                    std::cerr << "a waiter stopped: " << error.what() << '\n';
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    std::vector<double> heardMs;
    for (const auto& [key, at] : heard)
        if (const auto it = answered.find(key); it != answered.end())
            heardMs.push_back(std::max(0.0, ms(at - it->second)));

    // One order of 1,000 openings, pulled whole.
    kavro::Order big;
    big.id = "bench-big";
    big.openings.resize(1000);
    Client puller;
    puller.call("POST", "/api/v1/sign-in", R"({"login": "bench", "password": "bench-password"})");
    puller.call("PUT", "/api/v1/orders/bench-big?edit=big", kavro::OrderFile::serialize(big));
    std::vector<double> pullMs;
    for (int i = 0; i < 10; ++i) {
        const auto started = Clock::now();
        puller.call("GET", "/api/v1/orders/bench-big");
        pullMs.push_back(ms(Clock::now() - started));
    }
    std::cout << clients << " clients, " << seconds << " s, "
              << (o.database.empty() ? "SQLite" : "PostgreSQL") << ", " << o.processes
              << " process(es), " << pushMs.size() << " pushes\n"
              << "push latency: p50 " << percentile(pushMs, 0.5) << " ms, p99 "
              << percentile(pushMs, 0.99) << " ms\n"
              << "change heard by the other clients: p50 " << percentile(heardMs, 0.5)
              << " ms, p99 " << percentile(heardMs, 0.99) << " ms (" << heardMs.size()
              << " deliveries)\n"
              << "1,000-opening order pulled: p50 " << percentile(pullMs, 0.5) << " ms, max "
              << percentile(pullMs, 1.0) << " ms\n"
              << "server peak memory:";
    for (const pid_t pid : pids)
        std::cout << ' ' << peakMemory(pid);
    std::cout << "\nclients stopped by an error: " << failures << "\n";
    for (const pid_t pid : pids) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    std::system(("rm -rf " + data).c_str());
    return 0;
}
