// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "api_http_handler.h"

#include "api/json_reply.h"
#include "site_headers.h"

#include <Poco/Net/HTTPServerRequest.h>
#include <Poco/Net/HTTPServerResponse.h>
#include <Poco/Net/NameValueCollection.h>
#include <Poco/URI.h>
#include <istream>

namespace kavro::server {

namespace {

// Reads at most kMaxBodyBytes; false when the body is longer. A declared
// length is checked before a byte is read; a chunked body is cut off as
// soon as it passes the limit.
bool readBounded(Poco::Net::HTTPServerRequest& request, std::string& body) {
    if (request.hasContentLength() &&
        request.getContentLength64() > static_cast<std::int64_t>(kMaxBodyBytes))
        return false;
    std::istream& in = request.stream();
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        body.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (body.size() > kMaxBodyBytes)
            return false;
    }
    return true;
}

// The address that sign-in failures are counted by. Behind a proxy every
// request comes from it; the proxy names the client in X-Real-IP, which is
// believed from loopback only, as anyone else's would be their own word.
std::string clientAddress(const Poco::Net::HTTPServerRequest& request, bool behindProxy) {
    const Poco::Net::IPAddress peer = request.clientAddress().host();
    const std::string named = request.get("X-Real-IP", "");
    if (behindProxy && peer.isLoopback() && !named.empty())
        return named;
    return peer.toString();
}

ApiRequest apiRequestOf(Poco::Net::HTTPServerRequest& request, bool behindProxy) {
    ApiRequest api;
    api.method = request.getMethod();
    const Poco::URI uri(request.getURI());
    api.path = uri.getPath();
    for (const auto& [key, value] : uri.getQueryParameters())
        api.query[key] = value;
    Poco::Net::NameValueCollection cookies;
    request.getCookies(cookies);
    api.cookieSession = cookies.get("kavro_session", "");
    const std::string authorization = request.get("Authorization", "");
    if (authorization.starts_with("Bearer "))
        api.bearer = authorization.substr(7);
    api.address = clientAddress(request, behindProxy);
    return api;
}

void send(Poco::Net::HTTPServerResponse& response, const ApiReply& reply) {
    response.setStatus(static_cast<Poco::Net::HTTPResponse::HTTPStatus>(reply.status));
    response.setContentType(reply.contentType);
    response.set("Cache-Control", "no-store");
    addSiteHeaders(response);
    for (const auto& [name, value] : reply.headers)
        response.add(name, value);
    response.setContentLength64(static_cast<Poco::Int64>(reply.body.size()));
    response.send().write(reply.body.data(), static_cast<std::streamsize>(reply.body.size()));
}

} // namespace

void ApiHttpHandler::handleRequest(Poco::Net::HTTPServerRequest& request,
                                   Poco::Net::HTTPServerResponse& response) {
    ApiRequest api;
    try {
        api = apiRequestOf(request, behindProxy_);
    } catch (const Poco::Exception&) {
        send(response, errorReply(400, "неверный адрес запроса"));
        return;
    }
    if (!readBounded(request, api.body)) {
        // The rest is not read: the connection is closed after the reply.
        response.setKeepAlive(false);
        send(response, errorReply(413, "запрос больше 64 МиБ"));
        return;
    }
    send(response, api_.handle(api));
}

} // namespace kavro::server
