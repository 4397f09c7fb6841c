// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "change_listener.h"
#include "sql_storage.h"

#include <memory>
#include <mutex>

namespace kavro::server {

// The storage in a PostgreSQL database that several server processes may
// share: each keeps a few connections for its requests and one more that
// listens for the changes the others commit.
class PostgresStorage : public SqlStorage {
public:
    // Connections for requests: a request holds one only while it reads or
    // writes (a client waiting for changes holds none), and writers take
    // turns anyway, so a few serve hundreds of clients.
    static constexpr int kConnections = 8;

    explicit PostgresStorage(const std::string& uri);
    ~PostgresStorage() override;

    void listenForChanges(std::function<void()> heard) override;

private:
    std::string uri_;
    std::mutex mutex_;
    std::unique_ptr<ChangeListener> listener_;
};

} // namespace kavro::server
