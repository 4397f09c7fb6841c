// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace kavro::server {

// Wakes the requests that wait for changes when this process commits one.
// The database stays the judge of what changed: a waiter looks again after
// every wake, and at least every kRecheck, so that changes committed by
// another process are heard within that time as well.
class ChangeNotifier {
public:
    static constexpr std::chrono::milliseconds kRecheck{500};

    void notify();
    // Returns when notify() is called after `seen` was read, or kRecheck passed.
    void waitBeyond(std::uint64_t seen);
    std::uint64_t generation();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::uint64_t generation_ = 0;
};

} // namespace kavro::server
