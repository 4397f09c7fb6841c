// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "api_message.h"
#include "server_context.h"

namespace kavro::server {

// The JSON API without the network: finds the route, finds out who calls,
// checks that they may, runs the handler and turns every failure into a
// refusal with its reason. Never throws.
class Api {
public:
    explicit Api(ServerContext& server) : server_(server) {}

    ApiReply handle(const ApiRequest& request);

private:
    ApiReply dispatch(const ApiRequest& request);

    ServerContext& server_;
};

} // namespace kavro::server
