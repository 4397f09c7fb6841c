// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "http_server.h"

#include "api_http_handler.h"
#include "static_site_handler.h"

#include <Poco/Net/Context.h>
#include <Poco/Net/HTTPRequestHandlerFactory.h>
#include <Poco/Net/HTTPServer.h>
#include <Poco/Net/HTTPServerParams.h>
#include <Poco/Net/HTTPServerRequest.h>
#include <Poco/Net/SecureServerSocket.h>
#include <Poco/Net/ServerSocket.h>
#include <Poco/ThreadPool.h>

namespace kavro::server {

namespace {

class HandlerFactory : public Poco::Net::HTTPRequestHandlerFactory {
public:
    HandlerFactory(Api& api, const ListenOptions& options)
        : api_(api), site_(options.site), behindProxy_(options.behindProxy) {}

    Poco::Net::HTTPRequestHandler*
    createRequestHandler(const Poco::Net::HTTPServerRequest& request) override {
        const std::string& uri = request.getURI();
        if (uri.starts_with("/api/") || uri == "/healthz" || uri.starts_with("/healthz?"))
            return new ApiHttpHandler(api_, behindProxy_);
        return new StaticSiteHandler(site_);
    }

private:
    Api& api_;
    std::filesystem::path site_;
    bool behindProxy_;
};

// TLS 1.2 or later only, with the certificate and key read now, so that
// a file that cannot be read stops the start rather than the first client.
// Clients are not asked for certificates: people sign in with passwords.
Poco::Net::Context::Ptr tlsContext(const ListenOptions& options) {
    Poco::Net::Context::Params params;
    params.certificateFile = options.tlsCert.string();
    params.privateKeyFile = options.tlsKey.string();
    params.verificationMode = Poco::Net::Context::VERIFY_NONE;
    params.loadDefaultCAs = false;
    params.cipherList = "HIGH:!aNULL:!MD5:!RC4:!3DES";
    Poco::Net::Context::Ptr context =
        new Poco::Net::Context(Poco::Net::Context::TLS_SERVER_USE, params);
    context->requireMinimumProtocol(Poco::Net::Context::PROTO_TLSV1_2);
    return context;
}

Poco::Net::ServerSocket listeningSocket(const ListenOptions& options) {
    const Poco::Net::SocketAddress address(options.host, options.port);
    constexpr int kBacklog = 256;
    if (options.tlsCert.empty())
        return Poco::Net::ServerSocket(address, kBacklog);
    return Poco::Net::SecureServerSocket(address, kBacklog, tlsContext(options));
}

} // namespace

HttpServer::HttpServer(Api& api, const ListenOptions& options)
    : threads_(std::make_unique<Poco::ThreadPool>(4, options.maxThreads, 60)) {
    Poco::Net::ServerSocket socket = listeningSocket(options);
    auto* params = new Poco::Net::HTTPServerParams;
    params->setMaxThreads(options.maxThreads);
    params->setMaxQueued(options.maxQueued);
    params->setKeepAlive(true);
    params->setTimeout(Poco::Timespan(60, 0));
    server_ = std::make_unique<Poco::Net::HTTPServer>(new HandlerFactory(api, options), *threads_,
                                                      socket, params);
    server_->start();
}

HttpServer::~HttpServer() {
    server_->stopAll(true);
}

unsigned short HttpServer::port() const {
    return server_->port();
}

} // namespace kavro::server
