// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "open_storage.h"

#include "postgres_storage.h"
#include "sqlite_storage.h"

namespace kavro::server {

bool isPostgresUri(std::string_view text) {
    return text.starts_with("postgresql://") || text.starts_with("postgres://");
}

std::unique_ptr<Storage> openStorage(const std::string& database,
                                     const std::filesystem::path& folder) {
    if (database.empty())
        return std::make_unique<SqliteStorage>(folder);
    return std::make_unique<PostgresStorage>(database);
}

} // namespace kavro::server
