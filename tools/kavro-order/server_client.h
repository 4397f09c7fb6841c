// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace Poco::Net {
class HTTPClientSession;
}

namespace kavro::cli {

// Why a talk with the firm's server failed; each has its exit status.
class ServerFailure : public std::runtime_error {
public:
    enum class Kind { signIn, refused, unreachable };
    ServerFailure(Kind kind, const std::string& message)
        : std::runtime_error(message), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

struct ServerReply {
    int status = 0;
    std::string body;
};

// A signed-in connection to the firm's server (http://HOST:PORT, or
// https://HOST:PORT with the certificate checked, see clientTlsContext). With a
// script token every request carries it; otherwise the login signs in once
// and the session's cookie goes with each request.
class ServerClient {
public:
    // `timeout`: how long a reply may keep the client waiting, in seconds.
    explicit ServerClient(const std::string& url, int timeout = 60);
    ~ServerClient();

    void useToken(const std::string& token);
    void signIn(const std::string& login, const std::string& password);
    void signOut();

    // Sends a request, sent once more when the connection broke before a
    // reply came: the server applies an edit sent twice once. A refusal
    // (4xx, 5xx) throws ServerFailure with the server's reason.
    ServerReply send(const std::string& method, const std::string& path,
                     const std::string& body = {});

    // One request and its reply, whatever its status; throws
    // Poco::Exception when the connection fails or the reply is cut short.
    ServerReply request(const std::string& method, const std::string& path,
                        const std::string& body = {});
    // A new connection for the next request, after a failed one.
    void reconnect();

private:
    std::unique_ptr<Poco::Net::HTTPClientSession> session_;
    std::string token_;
    std::string cookie_;
};

// 128 random bits as hex: an id for an edit, made here.
std::string randomEditId();

} // namespace kavro::cli
