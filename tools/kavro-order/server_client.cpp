// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "server_client.h"

#include <Poco/Net/HTTPClientSession.h>
#include <Poco/Net/HTTPRequest.h>
#include <Poco/Net/HTTPResponse.h>
#include <Poco/Net/HTTPSClientSession.h>
#include <Poco/Net/NetException.h>
#include <Poco/Net/SSLException.h>
#include <Poco/StreamCopier.h>
#include <Poco/URI.h>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <random>

namespace kavro::cli {

namespace {

using Json = nlohmann::json;

// The server's words of a refusal, or the status where it gave none.
std::string reasonOf(const ServerReply& reply) {
    const Json body = Json::parse(reply.body, nullptr, false);
    if (body.is_object() && body.contains("error") && body["error"].is_string())
        return body["error"].get<std::string>();
    return "ответ " + std::to_string(reply.status);
}

// The server's certificate is checked against the system's authorities and,
// when KAVRO_CA_FILE names one, that PEM file too: a firm's own authority or
// a self-signed certificate is trusted only when named there. The host name
// must match the certificate: OpenSSL checks it in the handshake (a name,
// or an address against the certificate's IP entries), in place of POCO's
// own check after it, which looks names up in DNS.
Poco::Net::Context::Ptr clientTlsContext(const std::string& host) {
    Poco::Net::Context::Params params;
    if (const char* file = std::getenv("KAVRO_CA_FILE"); file && *file)
        params.caLocation = file;
    params.loadDefaultCAs = true;
    params.verificationMode = Poco::Net::Context::VERIFY_RELAXED;
    Poco::Net::Context::Ptr context =
        new Poco::Net::Context(Poco::Net::Context::TLS_CLIENT_USE, params);
    context->requireMinimumProtocol(Poco::Net::Context::PROTO_TLSV1_2);
    context->enableExtendedCertificateVerification(false);
    X509_VERIFY_PARAM* verify = SSL_CTX_get0_param(context->sslContext());
    if (X509_VERIFY_PARAM_set1_ip_asc(verify, host.c_str()) != 1 &&
        X509_VERIFY_PARAM_set1_host(verify, host.c_str(), host.size()) != 1)
        throw Poco::Net::SSLException("cannot check the certificate for " + host);
    return context;
}

std::unique_ptr<Poco::Net::HTTPClientSession> sessionFor(const Poco::URI& uri) {
    if (uri.getScheme() == "http")
        return std::make_unique<Poco::Net::HTTPClientSession>(uri.getHost(), uri.getPort());
    try {
        return std::make_unique<Poco::Net::HTTPSClientSession>(uri.getHost(), uri.getPort(),
                                                               clientTlsContext(uri.getHost()));
    } catch (const Poco::Exception& error) {
        throw ServerFailure(ServerFailure::Kind::unreachable,
                            "KAVRO_CA_FILE: " + error.displayText());
    }
}

} // namespace

std::string randomEditId() {
    std::random_device device;
    std::string id;
    static constexpr char kHex[] = "0123456789abcdef";
    for (int i = 0; i < 32; ++i)
        id += kHex[device() % 16];
    return id;
}

ServerClient::ServerClient(const std::string& url, int timeout) {
    Poco::URI uri;
    try {
        uri = Poco::URI(url);
    } catch (const Poco::Exception&) {
        throw ServerFailure(ServerFailure::Kind::unreachable, "неверный адрес сервера " + url);
    }
    if ((uri.getScheme() != "http" && uri.getScheme() != "https") || uri.getHost().empty())
        throw ServerFailure(ServerFailure::Kind::unreachable,
                            "адрес сервера вида http(s)://ХОСТ:ПОРТ, а не " + url);
    session_ = sessionFor(uri);
    session_->setTimeout(Poco::Timespan(timeout, 0));
}

ServerClient::~ServerClient() = default;

void ServerClient::useToken(const std::string& token) {
    token_ = token;
}

void ServerClient::signIn(const std::string& login, const std::string& password) {
    ServerReply reply;
    try {
        reply = request("POST", "/api/v1/sign-in",
                        Json{{"login", login}, {"password", password}}.dump());
    } catch (const Poco::Exception& error) {
        throw ServerFailure(ServerFailure::Kind::unreachable,
                            "сервер недоступен: " + error.displayText());
    }
    if (reply.status != 200)
        throw ServerFailure(ServerFailure::Kind::signIn, "вход не выполнен: " + reasonOf(reply));
}

void ServerClient::signOut() {
    if (cookie_.empty())
        return;
    try {
        request("POST", "/api/v1/sign-out", {});
    } catch (const Poco::Exception&) {
        // The session expires by itself.
    }
}

ServerReply ServerClient::request(const std::string& method, const std::string& path,
                                  const std::string& body) {
    Poco::Net::HTTPRequest message(method, path, Poco::Net::HTTPMessage::HTTP_1_1);
    message.setContentType("application/json");
    message.setContentLength64(static_cast<Poco::Int64>(body.size()));
    if (!token_.empty())
        message.set("Authorization", "Bearer " + token_);
    if (!cookie_.empty())
        message.set("Cookie", "kavro_session=" + cookie_);
    session_->sendRequest(message) << body;
    Poco::Net::HTTPResponse response;
    std::istream& in = session_->receiveResponse(response);
    ServerReply reply{static_cast<int>(response.getStatus()), {}};
    Poco::StreamCopier::copyToString(in, reply.body);
    // A reply cut short (the server stopped while sending) is no reply.
    if (response.hasContentLength() &&
        static_cast<Poco::Int64>(reply.body.size()) != response.getContentLength64())
        throw Poco::Net::MessageException("reply cut short");
    std::vector<Poco::Net::HTTPCookie> cookies;
    response.getCookies(cookies);
    for (const auto& cookie : cookies)
        if (cookie.getName() == "kavro_session")
            cookie_ = cookie.getValue();
    return reply;
}

void ServerClient::reconnect() {
    session_->reset();
}

ServerReply ServerClient::send(const std::string& method, const std::string& path,
                               const std::string& body) {
    ServerReply reply;
    try {
        try {
            reply = request(method, path, body);
        } catch (const Poco::Net::NetException&) {
            // The connection broke before the reply: sent again, on a new one.
            reconnect();
            reply = request(method, path, body);
        }
    } catch (const Poco::Exception& error) {
        throw ServerFailure(ServerFailure::Kind::unreachable,
                            "сервер недоступен: " + error.displayText());
    }
    if (reply.status == 401)
        throw ServerFailure(ServerFailure::Kind::signIn, "вход не выполнен: " + reasonOf(reply));
    if (reply.status >= 400)
        throw ServerFailure(ServerFailure::Kind::refused, "сервер отказал: " + reasonOf(reply));
    return reply;
}

} // namespace kavro::cli
