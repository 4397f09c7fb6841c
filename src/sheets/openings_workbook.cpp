// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "openings_workbook.h"

#include "core/order/order.h"
#include "orderio/text_rules.h"
#include "xlsx_sheet.h"

namespace kavro {

OpeningsImport importOpeningsWorkbook(std::string_view bytes) {
    OpeningsImport result;
    result.cellAddresses = true;
    const SheetLimits limits{.rows = Order::kMaxOpenings + 1, .textLength = maxOrderTextLength()};
    SheetRows sheet = readFirstWorksheet(bytes, limits);
    if (!sheet.errors.empty()) {
        result.errors = std::move(sheet.errors);
        return result;
    }
    result = importOpeningRows(sheet.rows);
    result.cellAddresses = true;
    return result;
}

OpeningsImport importOpeningsTable(std::string_view bytes) {
    return looksLikeWorkbook(bytes) ? importOpeningsWorkbook(bytes) : importOpenings(bytes);
}

} // namespace kavro
