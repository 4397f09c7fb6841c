// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "http/http_server.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kavro::server {

struct ServerOptions {
    ListenOptions listen;
    std::filesystem::path data = "kavro-data";
    // A postgresql:// URI, used instead of `data` when given.
    std::string database;
    // An admin command and its arguments; empty: serve.
    std::string command;
    std::vector<std::string> arguments;

    // The SQLite database's folder; none when `database` names PostgreSQL.
    std::optional<std::filesystem::path> dataFolder() const {
        if (!database.empty())
            return std::nullopt;
        return data;
    }
};

// Reads the command line; throws std::invalid_argument with the fault.
ServerOptions parseServerOptions(const std::vector<std::string>& arguments,
                                 const std::filesystem::path& defaultSite);

} // namespace kavro::server
