// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "json_reply.h"
#include "route_handlers.h"

#include <iostream>

namespace kavro::server {

// For a load balancer, systemd or a monitor: answers once the database
// answers a read. Nothing of any firm is read or told: the firm asked for
// has no id, so the query touches the table and finds nothing.
ApiReply health(const RouteCall& call) {
    try {
        call.server.storage.lastChange({});
    } catch (const std::exception& error) {
        std::cerr << "kavro-server: /healthz: " << error.what() << '\n';
        return jsonReply({{"status", "unavailable"}}, 503);
    }
    return jsonReply({{"status", "ok"}});
}

} // namespace kavro::server
