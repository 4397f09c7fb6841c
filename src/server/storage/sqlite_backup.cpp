// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Copies of the whole database through SQLite's online backup API: pages
// are copied by SQLite itself under a read transaction, so a copy taken
// while the server writes is the database as one commit left it.
#include "schema.h"
#include "sqlite_db.h"
#include "sqlite_storage.h"

#include <fcntl.h>
#include <memory>
#include <sqlite3.h>
#include <unistd.h>

namespace kavro::server {

namespace {

struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Connection = std::unique_ptr<sqlite3, Closer>;

Connection open(const std::filesystem::path& file, int flags) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(file.c_str(), &db, flags, nullptr);
    Connection connection(db);
    if (rc != SQLITE_OK)
        throw StorageError(file.string() + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
    sqlite3_busy_timeout(db, 10'000);
    return connection;
}

// Every page of `from` into `to` in one step, which holds the read
// transaction on `from` from the first page to the last.
void copyPages(sqlite3* from, sqlite3* to) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup)
        throw StorageError(std::string("backup: ") + sqlite3_errmsg(to));
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK)
        throw StorageError(std::string("backup: ") +
                           sqlite3_errstr(finished != SQLITE_OK ? finished : stepped));
}

std::string firstText(sqlite3* db, const char* sql) {
    sqlite3_stmt* statement = nullptr;
    std::string text;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        if (const auto* value = sqlite3_column_text(statement, 0))
            text = reinterpret_cast<const char*>(value);
    sqlite3_finalize(statement);
    if (text.empty())
        throw StorageError(std::string(sql) + ": " + sqlite3_errmsg(db));
    return text;
}

// The rename that publishes a copy survives a crash only once its folder is
// on disk too.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void SqliteStorage::backupTo(const std::filesystem::path& file) {
    const auto connection = lease();
    sqlite3* db = fileOf(connection).handle();
    // Renamed over the live database, the copy would part it from its WAL.
    if (std::filesystem::exists(file) &&
        std::filesystem::equivalent(file, sqlite3_db_filename(db, "main")))
        throw StorageError(file.string() + " is the database itself");
    // Written beside the file and renamed over it when whole: an
    // interrupted backup never leaves a half copy under the name asked for.
    std::filesystem::path partial = file;
    partial += ".partial";
    std::filesystem::remove(partial);
    try {
        Connection copy = open(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        copyPages(db, copy.get());
        // One self-contained file, synced, rather than the server's WAL mode.
        firstText(copy.get(), "PRAGMA journal_mode=DELETE");
    } catch (...) {
        std::filesystem::remove(partial);
        throw;
    }
    std::filesystem::rename(partial, file);
    syncFolder(file.parent_path());
}

void SqliteStorage::restoreFrom(const std::filesystem::path& file) {
    replaceWith(file);
    // A copy made by an older server is brought up to this one's schema.
    migrate();
}

void SqliteStorage::replaceWith(const std::filesystem::path& file) {
    const auto connection = lease();
    Connection copy = open(file, SQLITE_OPEN_READONLY);
    if (firstText(copy.get(), "PRAGMA integrity_check") != "ok")
        throw StorageError(file.string() + ": the copy is damaged");
    const auto schema = std::stoll(firstText(copy.get(), "PRAGMA user_version"));
    if (schema < 1 || schema > static_cast<std::int64_t>(migrations().size()))
        throw StorageError(file.string() + ": not a database of this server (schema " +
                           std::to_string(schema) + ")");
    // In one write transaction of the server's database: all or nothing.
    copyPages(copy.get(), fileOf(connection).handle());
}

} // namespace kavro::server
