// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "api/api.h"

#include <Poco/Net/HTTPRequestHandler.h>

namespace kavro::server {

// Turns one HTTP request under /api/ into an ApiRequest, bounded before it
// is read, and the API's reply back into HTTP.
class ApiHttpHandler : public Poco::Net::HTTPRequestHandler {
public:
    explicit ApiHttpHandler(Api& api) : api_(api) {}
    void handleRequest(Poco::Net::HTTPServerRequest& request,
                       Poco::Net::HTTPServerResponse& response) override;

private:
    Api& api_;
};

} // namespace kavro::server
