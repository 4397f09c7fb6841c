// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recent_changes.h"

#include <algorithm>

namespace kavro::server {

namespace {

constexpr int kRead = 500;

} // namespace

RecentChanges::Firm& RecentChanges::firm(const std::string& firmId) {
    const std::lock_guard lock(mutex_);
    std::unique_ptr<Firm>& slot = firms_[firmId];
    if (!slot)
        slot = std::make_unique<Firm>();
    return *slot;
}

bool RecentChanges::refresh(Firm& firm, const std::string& firmId, std::uint64_t generation) {
    const auto readAt = std::chrono::steady_clock::now();
    const std::vector<Change> news = storage_.changes(firmId, firm.last, kRead);
    if (static_cast<int>(news.size()) == kRead)
        return false;
    for (const Change& change : news)
        firm.changes.push_back(change);
    if (!news.empty())
        firm.last = news.back().sequence;
    while (firm.changes.size() > kept_) {
        firm.floor = firm.changes.front().sequence;
        firm.changes.pop_front();
    }
    firm.generation = generation;
    firm.readAt = readAt;
    return true;
}

std::vector<Change> RecentChanges::page(const Firm& firm, std::int64_t since, int limit) {
    std::vector<Change> result;
    auto it = std::upper_bound(firm.changes.begin(), firm.changes.end(), since,
                               [](std::int64_t s, const Change& c) { return s < c.sequence; });
    for (; it != firm.changes.end() && static_cast<int>(result.size()) < limit; ++it)
        result.push_back(*it);
    return result;
}

std::vector<Change> RecentChanges::after(const std::string& firmId, std::int64_t since, int limit,
                                         std::uint64_t generation) {
    Firm& firm = this->firm(firmId);
    const std::lock_guard lock(firm.mutex);
    if (!firm.filled) {
        // Started from the first follower's place; one catching up from
        // further back reads the database itself (below).
        firm.floor = firm.last = since;
        firm.filled = true;
        firm.readAt = {};
    }
    const bool stale =
        firm.generation < generation || std::chrono::steady_clock::now() - firm.readAt >= kFresh;
    if (stale && !refresh(firm, firmId, generation)) {
        // A burst beyond one read: start again from the next follower.
        firm.changes.clear();
        firm.filled = false;
        return storage_.changes(firmId, since, limit);
    }
    // Behind what is kept (the refresh may just have let it go), or at a
    // sequence this firm has not reached.
    if (since < firm.floor || since > firm.last)
        return storage_.changes(firmId, since, limit);
    return page(firm, since, limit);
}

} // namespace kavro::server
