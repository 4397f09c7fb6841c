// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "http_server.h"

#include "api_http_handler.h"
#include "static_site_handler.h"

#include <Poco/Net/HTTPRequestHandlerFactory.h>
#include <Poco/Net/HTTPServer.h>
#include <Poco/Net/HTTPServerParams.h>
#include <Poco/Net/HTTPServerRequest.h>
#include <Poco/Net/ServerSocket.h>
#include <Poco/ThreadPool.h>

namespace kavro::server {

namespace {

class HandlerFactory : public Poco::Net::HTTPRequestHandlerFactory {
public:
    HandlerFactory(Api& api, std::filesystem::path site) : api_(api), site_(std::move(site)) {}

    Poco::Net::HTTPRequestHandler*
    createRequestHandler(const Poco::Net::HTTPServerRequest& request) override {
        if (request.getURI().starts_with("/api/"))
            return new ApiHttpHandler(api_);
        return new StaticSiteHandler(site_);
    }

private:
    Api& api_;
    std::filesystem::path site_;
};

} // namespace

HttpServer::HttpServer(Api& api, const ListenOptions& options)
    : threads_(std::make_unique<Poco::ThreadPool>(4, options.maxThreads, 60)) {
    Poco::Net::ServerSocket socket(Poco::Net::SocketAddress(options.host, options.port), 256);
    auto* params = new Poco::Net::HTTPServerParams;
    params->setMaxThreads(options.maxThreads);
    params->setMaxQueued(options.maxQueued);
    params->setKeepAlive(true);
    params->setTimeout(Poco::Timespan(60, 0));
    server_ = std::make_unique<Poco::Net::HTTPServer>(new HandlerFactory(api, options.site),
                                                      *threads_, socket, params);
    server_->start();
}

HttpServer::~HttpServer() {
    server_->stopAll(true);
}

unsigned short HttpServer::port() const {
    return server_->port();
}

} // namespace kavro::server
