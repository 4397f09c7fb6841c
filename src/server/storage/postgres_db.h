// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sql_connection.h"

#include <string>

struct pg_conn;

namespace kavro::server {

// One connection to a PostgreSQL database through libpq, given as a
// postgresql:// URI. Values travel apart from the SQL, in binary; a
// connection the server dropped is made again before the next statement.
class PostgresDb : public SqlConnection {
public:
    // Throws StorageError when the database cannot be reached; the message
    // never repeats the URI, which may hold a password.
    explicit PostgresDb(const std::string& uri);
    ~PostgresDb() override;
    PostgresDb(const PostgresDb&) = delete;
    PostgresDb& operator=(const PostgresDb&) = delete;

    void exec(std::string_view sql) override;
    Statement prepare(std::string_view sql) override;
    // Writers take turns on one transaction-scoped advisory lock, as
    // SQLite's writers do on its write lock; the migrations take it too.
    void beginWrite() override;
    // Commits, then waits until the log holds the commit on disk: an
    // answered write outlives a crash of the server and of PostgreSQL.
    void commitWrite() override;
    // Only when a transaction is open: the commit may have ended it before
    // the wait for the disk failed.
    void rollbackWrite() override;
    // In a table of its own, made with the first migration.
    std::int64_t schemaVersion() override;
    void setSchemaVersion(std::int64_t version) override;
    void announceChange() override;

    // The channel that announceChange() notifies on commit.
    static constexpr std::string_view kChannel = "kavro_changes";
    // For LISTEN: the connection's socket and its notifications.
    pg_conn* handle() { return conn_; }
    // Makes the connection again when the server dropped it.
    void reconnectIfLost();

private:
    pg_conn* conn_ = nullptr;
    bool announce_ = false; // a change to announce at the commit
};

} // namespace kavro::server
