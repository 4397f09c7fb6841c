// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "postgres_storage.h"

#include "postgres_db.h"

namespace kavro::server {

namespace {

std::vector<std::unique_ptr<SqlConnection>> connectionsTo(const std::string& uri) {
    std::vector<std::unique_ptr<SqlConnection>> connections;
    for (int i = 0; i < PostgresStorage::kConnections; ++i)
        connections.push_back(std::make_unique<PostgresDb>(uri));
    return connections;
}

} // namespace

PostgresStorage::PostgresStorage(const std::string& uri)
    : SqlStorage(connectionsTo(uri)), uri_(uri) {}

PostgresStorage::~PostgresStorage() {
    listenForChanges({});
}

void PostgresStorage::listenForChanges(std::function<void()> heard) {
    const std::lock_guard lock(mutex_);
    listener_.reset();
    if (heard)
        listener_ = std::make_unique<ChangeListener>(uri_, std::move(heard));
}

} // namespace kavro::server
