// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "orderio/order_file.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace kavro::server {

// A request as the API sees it, already bounded and read by the HTTP layer.
struct ApiRequest {
    std::string method;
    std::string path;                         // without the query
    std::map<std::string, std::string> query; // decoded
    std::string cookieSession;                // the session cookie's value
    std::string bearer;                       // an Authorization: Bearer token
    std::string address;                      // the client's IP address
    std::string body;
};

struct ApiReply {
    int status = 200;
    std::string contentType = "application/json";
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
};

// The largest body accepted: the largest order file the program reads.
// Every other body is far smaller and is bounded again by its handler.
constexpr std::size_t kMaxBodyBytes = OrderFile::kMaxBytes;

} // namespace kavro::server
