// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sqlite_db.h"

#include <sqlite3.h>

namespace kavro::server {

namespace {

[[noreturn]] void fail(sqlite3* db, std::string_view what) {
    throw StorageError(std::string(what) + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

class SqliteStatement : public StatementBackend {
public:
    SqliteStatement(sqlite3* db, std::string_view sql);
    ~SqliteStatement() override;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    void bind(int index, std::string_view text) override;
    void bind(int index, std::int64_t value) override;
    void bindNull(int index) override;
    void bindBlob(int index, std::string_view bytes) override;
    bool step() override;
    std::string text(int column) const override;
    std::int64_t integer(int column) const override;
    bool isNull(int column) const override;

private:
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) !=
        SQLITE_OK)
        fail(db, "prepare");
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

void SqliteStatement::bind(int index, std::string_view text) {
    if (sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT,
                            SQLITE_UTF8) != SQLITE_OK)
        fail(db_, "bind");
}

void SqliteStatement::bind(int index, std::int64_t value) {
    if (sqlite3_bind_int64(statement_, index, value) != SQLITE_OK)
        fail(db_, "bind");
}

void SqliteStatement::bindNull(int index) {
    if (sqlite3_bind_null(statement_, index) != SQLITE_OK)
        fail(db_, "bind");
}

void SqliteStatement::bindBlob(int index, std::string_view bytes) {
    if (sqlite3_bind_blob64(statement_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        fail(db_, "bind");
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        fail(db_, "step");
    return false;
}

std::string SqliteStatement::text(int column) const {
    const auto* data = static_cast<const char*>(sqlite3_column_blob(statement_, column));
    const int size = sqlite3_column_bytes(statement_, column);
    return data ? std::string(data, static_cast<std::size_t>(size)) : std::string();
}

std::int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

} // namespace

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

Statement SqliteDb::prepare(std::string_view sql) {
    return Statement(std::make_unique<SqliteStatement>(db_, sql));
}

void SqliteDb::beginWrite() {
    exec("BEGIN IMMEDIATE");
}

std::int64_t SqliteDb::schemaVersion() {
    auto version = prepare("PRAGMA user_version");
    version.step();
    return version.integer(0);
}

void SqliteDb::setSchemaVersion(std::int64_t version) {
    // PRAGMA takes no bound value; the number is ours.
    exec("PRAGMA user_version = " + std::to_string(version));
}

} // namespace kavro::server
