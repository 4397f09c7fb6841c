// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

namespace Poco::Net {
class HTTPClientSession;
}

namespace kavro::server::test {

struct HttpAnswer {
    int status = 0;
    std::string body;
};

// One client's connection to a server on loopback, its session cookie kept.
class HttpClient {
public:
    explicit HttpClient(unsigned short port);
    ~HttpClient();

    // Throws Poco::Exception when the connection fails.
    HttpAnswer request(const std::string& method, const std::string& path,
                       const std::string& body = {});
    bool signIn(const std::string& login, const std::string& password);
    // Drops the connection, for a new one after a failure.
    void reset();

private:
    std::unique_ptr<Poco::Net::HTTPClientSession> session_;
    std::string cookie_;
};

} // namespace kavro::server::test
