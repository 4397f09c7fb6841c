// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imported_openings.h"

#include "core/order/order.h"
#include "finding.h"
#include "orderio/order_file.h"

namespace kavro::fuzz {

void checkImportedOpenings(const OpeningsImport& imported) {
    if (!imported.errors.empty()) {
        if (!imported.openings.empty() || !imported.rows.empty())
            finding("a refused import brought openings in");
        return;
    }
    if (imported.rows.size() != imported.openings.size())
        finding("an opening without its row");
    const Order order{.title = "", .openings = imported.openings};
    if (!(OrderFile::parse(OrderFile::serialize(order)) == order))
        finding("imported openings do not reopen the same from an order file");
}

} // namespace kavro::fuzz
