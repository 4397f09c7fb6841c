// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "price_list_table.h"

#include "openings_workbook.h"
#include "orderio/text_rules.h"
#include "xlsx_sheet.h"

namespace kavro {

PriceList importPriceListTable(std::string_view bytes) {
    if (!looksLikeWorkbook(bytes))
        return importPriceList(bytes);
    const SheetLimits limits{.rows = kMaxPriceListRows + 1,
                             .columns = 64,
                             .cells = 2'000'000,
                             .textLength = maxOrderTextLength()};
    SheetRows sheet = readFirstWorksheet(bytes, limits);
    PriceList list;
    if (sheet.errors.empty())
        list = priceListOfRows(sheet.rows);
    else
        list.errors = std::move(sheet.errors);
    list.cellAddresses = true;
    return list;
}

} // namespace kavro
