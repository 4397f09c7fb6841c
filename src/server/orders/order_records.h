// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "merge/order_merge.h"
#include "storage/storage.h"

#include <string>
#include <string_view>

namespace kavro::server {

// An order file as the server receives it.
struct ReceivedOrder {
    std::string id;            // empty when the file has none yet
    std::int64_t revision = 0; // the revision it was taken at
    merge::OrderState state;   // every opening with an id
};

// Reads an order file with the calculator's own reader, which refuses what
// it cannot read (OrderFileError, with the reason). Openings the file has
// no id for are given new ones; an id twice is refused.
ReceivedOrder receiveOrder(std::string_view fileText);

// The order file (version 3) of a stored order, read back through the same
// reader, so that what the server sends is what a program may open.
std::string orderFileText(const std::string& orderId, const StoredOrder& stored);
// The same file with only the openings changed after revision `since`
// (those a client holding `since` lacks); the order's own fields are
// always in it. Which openings stand in the order, and where, is the
// stored sequence, which the caller sends beside it.
std::string orderFileSince(const std::string& orderId, const StoredOrder& stored,
                           std::int64_t since);

} // namespace kavro::server
