// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/order/order.h"
#include "merge/order_merge.h"

#include <cstdint>
#include <map>
#include <string>

namespace kavro::sync {

// An order as the merge compares it, made by the order file's own writer so
// that the server and every device get the same text for the same value:
// the order's own fields (title, discount), the openings' ids in their
// listed order, and each opening's fields by id. Ids and revisions are the
// records' identity, not their content, and are no field.

// Throws OrderFileError for an opening without an id or an id twice.
merge::OrderState orderState(const Order& order);
merge::Fields orderFields(const Order& order);
merge::Fields openingFields(const Opening& opening);

// The order `state` describes, read back through the order file's reader
// (OrderFileError for a value it refuses). Openings without a revision in
// `openingRevisions` have revision 0.
Order orderOf(const merge::OrderState& state, const std::string& orderId, std::int64_t revision,
              const std::map<std::string, std::int64_t>& openingRevisions = {});
// The order file of `state` as it is, without reading it back: the
// values are the order file writer's own texts already. For sending, where
// reading a large order back through the reader would hold up the page.
std::string orderFileText(const merge::OrderState& state, const std::string& orderId,
                          std::int64_t revision);
// One opening of `state`, as the order would hold it.
Opening openingOf(const merge::OrderState& state, const std::string& openingId);

// An order sent as what changed: `changed` holds the order's fields, the
// openings changed and every opening's id in `sequence`; the openings it
// names but does not hold are taken from `base` (the order as it stood at
// the revision the changes were counted from, or later, with those
// openings unchanged since). False when `base` lacks one too, or the
// sequence names an opening twice or leaves one `changed` holds.
bool takeUnchanged(merge::OrderState& changed, const merge::OrderState& base);

} // namespace kavro::sync
