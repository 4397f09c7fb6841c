// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_records.h"

#include "orderio/order_file.h"
#include "storage/random_id.h"
#include "sync/order_state.h"

namespace kavro::server {

ReceivedOrder receiveOrder(std::string_view fileText) {
    Order order = OrderFile::parse(fileText);
    for (Opening& opening : order.openings)
        if (opening.id.empty())
            opening.id = randomHex();
    return {order.id, order.revision, sync::orderState(order)};
}

std::string orderFileText(const std::string& orderId, const StoredOrder& stored) {
    return OrderFile::serialize(
        sync::orderOf(stored.state, orderId, stored.revision, stored.openingRevisions));
}

std::string orderFileSince(const std::string& orderId, const StoredOrder& stored,
                           std::int64_t since) {
    merge::OrderState changed{stored.state.fields, {}, {}};
    for (const std::string& id : stored.state.sequence) {
        const auto revision = stored.openingRevisions.find(id);
        const auto fields = stored.state.openings.find(id);
        if (fields == stored.state.openings.end() ||
            (revision != stored.openingRevisions.end() && revision->second <= since))
            continue;
        changed.sequence.push_back(id);
        changed.openings.emplace(id, fields->second);
    }
    return OrderFile::serialize(
        sync::orderOf(changed, orderId, stored.revision, stored.openingRevisions));
}

} // namespace kavro::server
