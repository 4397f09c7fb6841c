// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "api/api.h"

#include <Poco/Net/HTTPRequestHandler.h>

namespace kavro::server {

// Turns one HTTP request under /api/ into an ApiRequest, bounded before it
// is read, and the API's reply back into HTTP. `behindProxy`: a request
// from loopback is a proxy's, and its X-Real-IP is the client's address.
class ApiHttpHandler : public Poco::Net::HTTPRequestHandler {
public:
    ApiHttpHandler(Api& api, bool behindProxy) : api_(api), behindProxy_(behindProxy) {}
    void handleRequest(Poco::Net::HTTPServerRequest& request,
                       Poco::Net::HTTPServerResponse& response) override;

private:
    Api& api_;
    bool behindProxy_;
};

} // namespace kavro::server
