// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "json_reply.h"
#include "route_handlers.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace kavro::server {

namespace {

constexpr std::int64_t kPage = 500;
constexpr std::int64_t kMaxWaitSeconds = 30;
// How long a waiting request that has found changes gathers those that
// follow. A firm's devices all wait at once: answering each change alone
// would have every one of them ask again for every change (200 devices
// editing every 2 s made 20,000 requests a second); gathering answers a
// burst once, still well within the second a change may take. A full
// page is answered at once, so catching up is not slowed.
constexpr auto kGather = std::chrono::milliseconds(200);

} // namespace

// The firm's changes after `since`, a page of at most `limit`; with `wait`
// (seconds), a request that finds none waits for the next one that long.
ApiReply listChanges(const RouteCall& call) {
    const std::int64_t since = queryNumber(call.request, "since", 0, 0, INT64_MAX);
    const auto limit = static_cast<int>(queryNumber(call.request, "limit", kPage, 1, kPage));
    const std::int64_t wait = queryNumber(call.request, "wait", 0, 0, kMaxWaitSeconds);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(wait);
    std::vector<Change> changes;
    bool gathered = wait == 0;
    for (;;) {
        const std::uint64_t seen = call.server.notifier.generation();
        changes = call.server.notifier.recent().after(call.caller->firmId, since, limit, seen);
        const auto now = std::chrono::steady_clock::now();
        if (static_cast<int>(changes.size()) == limit || now >= deadline ||
            (!changes.empty() && gathered))
            break;
        if (changes.empty()) {
            call.server.notifier.waitBeyond(seen);
        } else {
            std::this_thread::sleep_until(std::min(deadline, now + kGather));
            gathered = true;
        }
    }
    Json list = Json::array();
    for (const Change& change : changes)
        list.push_back({{"sequence", change.sequence},
                        {"kind", change.kind},
                        {"id", change.objectId},
                        {"revision", change.revision},
                        {"by", change.login},
                        {"at", change.at}});
    const std::int64_t last = changes.empty() ? since : changes.back().sequence;
    return jsonReply(
        {{"changes", list}, {"last", last}, {"more", static_cast<int>(changes.size()) == limit}});
}

} // namespace kavro::server
