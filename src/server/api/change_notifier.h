// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "recent_changes.h"
#include "storage/storage.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace kavro::server {

// Wakes the requests that wait for changes when this process commits one,
// or the storage hears that another did. The database stays the judge of
// what changed: a waiter looks again after every wake, and at least every
// kRecheck, so that changes committed by another process are heard within
// that time even where the storage cannot tell (SQLite).
class ChangeNotifier {
public:
    static constexpr std::chrono::milliseconds kRecheck{500};

    explicit ChangeNotifier(Storage& storage);
    ~ChangeNotifier();
    ChangeNotifier(const ChangeNotifier&) = delete;
    ChangeNotifier& operator=(const ChangeNotifier&) = delete;

    void notify();
    // Returns when notify() is called after `seen` was read, or kRecheck passed.
    void waitBeyond(std::uint64_t seen);
    std::uint64_t generation();
    // The firms' newest changes, read once for all who wait for them.
    RecentChanges& recent() { return recent_; }

private:
    Storage& storage_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::uint64_t generation_ = 0;
    RecentChanges recent_{storage_};
};

} // namespace kavro::server
