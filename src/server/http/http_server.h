// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "api/api.h"

#include <filesystem>
#include <memory>
#include <string>

namespace Poco {
class ThreadPool;
namespace Net {
class HTTPServer;
}
} // namespace Poco

namespace kavro::server {

struct ListenOptions {
    std::string host = "127.0.0.1";
    unsigned short port = 8090;
    std::filesystem::path site;
    // Both set: HTTPS with this certificate chain and private key (PEM);
    // both empty: plain HTTP, for loopback or behind a proxy that has TLS.
    std::filesystem::path tlsCert;
    std::filesystem::path tlsKey;
    // Behind a reverse proxy on this machine (nginx): a request from
    // loopback carries the client's address in X-Real-IP.
    bool behindProxy = false;
    // Each connection is served by a thread of its own while it lasts; a
    // client that waits for changes holds one, so there are enough for a
    // few hundred waiting clients. More wait in the queue.
    int maxThreads = 512;
    int maxQueued = 1000;
};

// The API under /api/, /healthz, and the page everywhere else, over HTTP
// or HTTPS.
class HttpServer {
public:
    HttpServer(Api& api, const ListenOptions& options);
    ~HttpServer();
    // The port it listens on (the one chosen when 0 was asked for).
    unsigned short port() const;

private:
    std::unique_ptr<Poco::ThreadPool> threads_;
    std::unique_ptr<Poco::Net::HTTPServer> server_;
};

} // namespace kavro::server
