// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sqlite_db.h"

#include <sqlite3.h>

namespace kavro::server {

namespace {

[[noreturn]] void fail(sqlite3* db, std::string_view what) {
    throw StorageError(std::string(what) + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

} // namespace

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) !=
        SQLITE_OK)
        fail(db, "prepare");
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

Statement& Statement::bind(int index, std::string_view text) {
    if (sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT,
                            SQLITE_UTF8) != SQLITE_OK)
        fail(db_, "bind");
    return *this;
}

Statement& Statement::bind(int index, std::int64_t value) {
    if (sqlite3_bind_int64(statement_, index, value) != SQLITE_OK)
        fail(db_, "bind");
    return *this;
}

Statement& Statement::bindNull(int index) {
    if (sqlite3_bind_null(statement_, index) != SQLITE_OK)
        fail(db_, "bind");
    return *this;
}

Statement& Statement::bindBlob(int index, std::string_view bytes) {
    if (sqlite3_bind_blob64(statement_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        fail(db_, "bind");
    return *this;
}

bool Statement::step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        fail(db_, "step");
    return false;
}

void Statement::run() {
    while (step()) {
    }
}

std::string Statement::text(int column) const {
    const auto* data = static_cast<const char*>(sqlite3_column_blob(statement_, column));
    const int size = sqlite3_column_bytes(statement_, column);
    return data ? std::string(data, static_cast<std::size_t>(size)) : std::string();
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

SqliteDb::SqliteDb(const std::filesystem::path& file) {
    if (sqlite3_open_v2(file.c_str(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        throw StorageError("open " + file.string() + ": " + message);
    }
    sqlite3_busy_timeout(db_, 10'000);
    exec("PRAGMA journal_mode=WAL");
    exec("PRAGMA synchronous=FULL");
    exec("PRAGMA foreign_keys=ON");
}

SqliteDb::~SqliteDb() {
    sqlite3_close(db_);
}

void SqliteDb::exec(std::string_view sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : "error";
        sqlite3_free(message);
        throw StorageError(text);
    }
}

Transaction::Transaction(SqliteDb& db) : db_(db) {
    db_.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (!done_) {
        try {
            db_.exec("ROLLBACK");
        } catch (const StorageError&) {
            // A failed statement may have rolled back already.
        }
    }
}

void Transaction::commit() {
    db_.exec("COMMIT");
    done_ = true;
}

} // namespace kavro::server
