// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sql_connection.h"

#include <filesystem>

struct sqlite3;

namespace kavro::server {

// The database file: WAL with synchronous FULL, so that a transaction that
// returned is on disk and survives the process being killed at any moment.
// Writers wait for each other through SQLite's own write lock.
class SqliteDb : public SqlConnection {
public:
    explicit SqliteDb(const std::filesystem::path& file);
    ~SqliteDb() override;
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    void exec(std::string_view sql) override;
    Statement prepare(std::string_view sql) override;
    void beginWrite() override;
    std::int64_t schemaVersion() override;
    void setSchemaVersion(std::int64_t version) override;
    // Other processes find changes by looking again (ChangeNotifier).
    void announceChange() override {}
    // For SQLite's own copying of the whole file (sqlite_backup.cpp).
    sqlite3* handle() { return db_; }

private:
    sqlite3* db_ = nullptr;
};

} // namespace kavro::server
