// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sqlite_storage.h"

#include "sqlite_db.h"

namespace kavro::server {

namespace {

std::vector<std::unique_ptr<SqlConnection>> fileIn(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    std::vector<std::unique_ptr<SqlConnection>> one;
    one.push_back(std::make_unique<SqliteDb>(folder / "server.db"));
    return one;
}

} // namespace

SqliteStorage::SqliteStorage(const std::filesystem::path& folder) : SqlStorage(fileIn(folder)) {}

SqliteDb& SqliteStorage::fileOf(const ConnectionPool::Lease& lease) {
    // The pool holds the one connection fileIn made.
    return static_cast<SqliteDb&>(*lease);
}

} // namespace kavro::server
