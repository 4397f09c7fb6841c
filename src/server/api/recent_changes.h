// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "storage/storage.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace kavro::server {

// The newest changes of each firm, kept in memory for the requests that
// follow the firm's changes as they come. A firm's devices all wait at
// once and all ask again after each change: read from the database, that
// is one query per device per change (200 devices made the pool of
// connections the pushes' bottleneck on PostgreSQL). Here one request
// reads what is new and the others are answered from what it read.
class RecentChanges {
public:
    // Changes of another process are heard by generation on PostgreSQL;
    // on SQLite only by looking again, which is done at least this often.
    static constexpr std::chrono::milliseconds kFresh{250};
    static constexpr std::size_t kKept = 1000;

    explicit RecentChanges(Storage& storage, std::size_t kept = kKept)
        : storage_(storage), kept_(kept) {}

    // The firm's changes after `since`, at most `limit`, as the database
    // held them when `generation` (ChangeNotifier's) was current or later.
    std::vector<Change> after(const std::string& firmId, std::int64_t since, int limit,
                              std::uint64_t generation);

private:
    struct Firm {
        std::mutex mutex; // one request reads the database, the others wait for it
        std::deque<Change> changes;
        std::int64_t floor = 0; // every change after it is in `changes`
        std::int64_t last = 0;  // the newest sequence read
        bool filled = false;
        std::uint64_t generation = 0;
        std::chrono::steady_clock::time_point readAt;
    };

    Firm& firm(const std::string& firmId);
    // Reads what came after `last`; false when more came than one read
    // takes, so that the firm's list is not complete.
    bool refresh(Firm& firm, const std::string& firmId, std::uint64_t generation);
    static std::vector<Change> page(const Firm& firm, std::int64_t since, int limit);

    Storage& storage_;
    const std::size_t kept_;
    std::mutex mutex_;
    std::map<std::string, std::unique_ptr<Firm>> firms_;
};

} // namespace kavro::server
