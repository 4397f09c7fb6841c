// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sql_connection.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace kavro::server {

// The connections a process keeps open, each lent to one thread at a time;
// a thread that finds none free waits for one.
class ConnectionPool {
public:
    // A connection lent until this goes out of scope.
    class Lease {
    public:
        Lease(ConnectionPool& pool, std::unique_ptr<SqlConnection> connection)
            : pool_(&pool), connection_(std::move(connection)) {}
        ~Lease();
        Lease(Lease&& other) noexcept = default;
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        Lease& operator=(Lease&&) = delete;

        SqlConnection& operator*() const { return *connection_; }
        SqlConnection* operator->() const { return connection_.get(); }

    private:
        ConnectionPool* pool_;
        std::unique_ptr<SqlConnection> connection_;
    };

    explicit ConnectionPool(std::vector<std::unique_ptr<SqlConnection>> connections);

    Lease lease();

private:
    void giveBack(std::unique_ptr<SqlConnection> connection);

    std::mutex mutex_;
    std::condition_variable returned_;
    std::vector<std::unique_ptr<SqlConnection>> free_;
};

} // namespace kavro::server
