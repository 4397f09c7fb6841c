// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sql_storage.h"

#include <filesystem>

namespace kavro::server {

// The storage in one SQLite file, `server.db` in the data folder, made on
// first use. One connection serves every thread in turn: SQLite writes one
// transaction at a time anyway, and reads are short.
class SqliteStorage : public SqlStorage {
public:
    explicit SqliteStorage(const std::filesystem::path& folder);
};

} // namespace kavro::server
