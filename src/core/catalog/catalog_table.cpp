// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog_table.h"

namespace kavro {

void CatalogTable::fill(std::span<const std::string_view> records, int count) {
    rows_.assign(records.begin(), records.end());
    count_ = count;
}

std::string_view CatalogTable::row(int n) const {
    if (n < 1 || n > size())
        return {};
    return rows_[static_cast<std::size_t>(n - 1)];
}

} // namespace kavro
