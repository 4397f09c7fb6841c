// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/order/opening_results.h"
#include "core/order/order.h"
#include "core/order/parts_list.h"
#include "sheet_table.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace kavro {

// An order that a spreadsheet cannot carry as it is (an accessory article
// with a space would come back as two). what() names the opening.
class CsvExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The openings spreadsheet of an order: the input columns, `Привод` being
// the drive in effect, then the results as the window shows them; `;`,
// UTF-8 with a byte-order mark and CRLF, as a Russian spreadsheet opens it.
// `results` has one entry per opening. Throws CsvExportError.
std::string exportOpenings(const Order& order, const std::vector<OpeningResults>& results);

// The same as a table, for a workbook. Throws CsvExportError.
SheetTable openingsSheet(const Order& order, const std::vector<OpeningResults>& results);

// The parts list as a spreadsheet: article, name, total quantity and the
// openings that use it, written as the report writes them ("1–3, 5").
std::string exportPartsList(const std::vector<PartsListLine>& parts);

// The same as a table, for a workbook.
SheetTable partsListSheet(const std::vector<PartsListLine>& parts);

} // namespace kavro
