// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sql_storage.h"

#include <filesystem>

namespace kavro::server {

class SqliteDb;

// The storage in one SQLite file, `server.db` in the data folder, made on
// first use. One connection serves every thread in turn: SQLite writes one
// transaction at a time anyway, and reads are short. Its copies are in
// sqlite_backup.cpp.
class SqliteStorage : public SqlStorage {
public:
    explicit SqliteStorage(const std::filesystem::path& folder);

    void backupTo(const std::filesystem::path& file) override;
    void restoreFrom(const std::filesystem::path& file) override;

private:
    // The database's pages replaced by those of `file`, checked first.
    void replaceWith(const std::filesystem::path& file);
    static SqliteDb& fileOf(const ConnectionPool::Lease& lease);
};

} // namespace kavro::server
