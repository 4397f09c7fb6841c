// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "storage.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace kavro::server {

// Whether `text` names a PostgreSQL database (postgresql://… or postgres://…).
bool isPostgresUri(std::string_view text);

// The PostgreSQL database `database` names, or, when it is empty, the SQLite
// file in `folder`.
std::unique_ptr<Storage> openStorage(const std::string& database,
                                     const std::filesystem::path& folder);

} // namespace kavro::server
