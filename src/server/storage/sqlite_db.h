// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace kavro::server {

class StorageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One prepared statement; values are only ever bound, never spliced into
// the SQL text.
class Statement {
public:
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, std::string_view text);
    Statement& bind(int index, std::int64_t value);
    Statement& bindNull(int index);
    Statement& bindBlob(int index, std::string_view bytes);

    // Steps once; true while a row is there.
    bool step();
    // Steps to the end, for statements that return no rows.
    void run();

    std::string text(int column) const;
    std::int64_t integer(int column) const;
    bool isNull(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

// The database file: WAL with synchronous FULL, so that a transaction that
// returned is on disk and survives the process being killed at any moment.
class SqliteDb {
public:
    explicit SqliteDb(const std::filesystem::path& file);
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    void exec(std::string_view sql);
    Statement prepare(std::string_view sql) { return Statement(db_, sql); }
    // For SQLite's own copying of the whole file (sqlite_backup.cpp).
    sqlite3* handle() { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// BEGIN IMMEDIATE ... COMMIT; rolled back when left by an exception.
class Transaction {
public:
    explicit Transaction(SqliteDb& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    SqliteDb& db_;
    bool done_ = false;
};

} // namespace kavro::server
