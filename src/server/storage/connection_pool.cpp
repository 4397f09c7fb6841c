// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "connection_pool.h"

namespace kavro::server {

ConnectionPool::Lease::~Lease() {
    if (connection_)
        pool_->giveBack(std::move(connection_));
}

ConnectionPool::ConnectionPool(std::vector<std::unique_ptr<SqlConnection>> connections)
    : free_(std::move(connections)) {}

ConnectionPool::Lease ConnectionPool::lease() {
    std::unique_lock lock(mutex_);
    returned_.wait(lock, [this] { return !free_.empty(); });
    std::unique_ptr<SqlConnection> connection = std::move(free_.back());
    free_.pop_back();
    return Lease(*this, std::move(connection));
}

void ConnectionPool::giveBack(std::unique_ptr<SqlConnection> connection) {
    {
        const std::lock_guard lock(mutex_);
        free_.push_back(std::move(connection));
    }
    returned_.notify_one();
}

} // namespace kavro::server
