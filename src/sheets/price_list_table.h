// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "orderio/price_list.h"

#include <string_view>

namespace kavro {

// A price list from a workbook's first worksheet or a text table, whichever
// the bytes are; a workbook's faults are placed by cell address.
PriceList importPriceListTable(std::string_view bytes);

} // namespace kavro
