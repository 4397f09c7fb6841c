// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "http_client.h"

#include <Poco/Net/HTTPClientSession.h>
#include <Poco/Net/HTTPCookie.h>
#include <Poco/Net/HTTPRequest.h>
#include <Poco/Net/HTTPResponse.h>
#include <Poco/Net/NetException.h>
#include <Poco/StreamCopier.h>
#include <nlohmann/json.hpp>

namespace kavro::server::test {

HttpClient::HttpClient(unsigned short port)
    : session_(std::make_unique<Poco::Net::HTTPClientSession>("127.0.0.1", port)) {
    session_->setTimeout(Poco::Timespan(20, 0));
}

HttpClient::~HttpClient() = default;

HttpAnswer HttpClient::request(const std::string& method, const std::string& path,
                               const std::string& body) {
    Poco::Net::HTTPRequest request(method, path, Poco::Net::HTTPMessage::HTTP_1_1);
    request.setContentLength64(static_cast<Poco::Int64>(body.size()));
    if (!cookie_.empty())
        request.set("Cookie", "kavro_session=" + cookie_);
    session_->sendRequest(request) << body;
    Poco::Net::HTTPResponse response;
    std::istream& in = session_->receiveResponse(response);
    HttpAnswer answer{static_cast<int>(response.getStatus()), {}};
    Poco::StreamCopier::copyToString(in, answer.body);
    // A reply cut short (the server stopped while sending) is no reply.
    if (response.hasContentLength() &&
        static_cast<Poco::Int64>(answer.body.size()) != response.getContentLength64())
        throw Poco::Net::MessageException("reply cut short");
    std::vector<Poco::Net::HTTPCookie> cookies;
    response.getCookies(cookies);
    for (const auto& cookie : cookies)
        if (cookie.getName() == "kavro_session")
            cookie_ = cookie.getValue();
    return answer;
}

bool HttpClient::signIn(const std::string& login, const std::string& password) {
    const nlohmann::json body{{"login", login}, {"password", password}};
    return request("POST", "/api/v1/sign-in", body.dump()).status == 200;
}

void HttpClient::reset() {
    session_->reset();
}

} // namespace kavro::server::test
