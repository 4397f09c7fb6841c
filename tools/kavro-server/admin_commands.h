// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "storage/storage.h"

#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kavro::server {

// The administrator's commands on the storage: add-firm NAME, add-user
// FIRM LOGIN --role admin|member, passwd LOGIN, disable-user LOGIN,
// add-token FIRM NAME, revoke-token FIRM NAME, backup FILE, restore FILE.
// The last two are SQLite's: `data` is its folder, which must have no
// server running for a restore; without one (PostgreSQL) they are refused
// in favour of pg_dump and pg_restore. Passwords come from `in`, one line,
// never from the arguments. Returns the exit status; -1 when `command` is
// none of them.
int runAdminCommand(Storage& storage, const std::optional<std::filesystem::path>& data,
                    const std::string& command, const std::vector<std::string>& arguments,
                    std::istream& in, std::ostream& out, std::ostream& err);

} // namespace kavro::server
