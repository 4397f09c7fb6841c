// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "accounts/sign_in.h"
#include "api_message.h"
#include "server_context.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kavro::server {

// Who may call a route: anyone, any signed-in person or script token of a
// firm, or a firm's admin.
enum class Access { anyone, member, admin };

struct RouteCall {
    const ApiRequest& request;
    std::vector<std::string> params; // the {…} segments of the path, in order
    const Caller* caller;            // null only on routes open to anyone
    ServerContext& server;
};

using RouteHandler = ApiReply (*)(const RouteCall&);

struct Route {
    std::string_view method;
    std::string_view pattern; // "/api/v1/orders/{id}"
    Access access;
    RouteHandler handler;
};

// Every route of the API, in one table; docs/server-api.yaml documents the
// same list, and the isolation test holds the two together.
std::span<const Route> routes();

// The {…} segments of `path` when it fits `pattern`.
std::optional<std::vector<std::string>> matchPath(std::string_view pattern, std::string_view path);

} // namespace kavro::server
