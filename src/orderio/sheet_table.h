// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "csv_table.h"

#include <string>
#include <vector>

namespace kavro {

// A table as the spreadsheets written by the program hold it, before it is
// a CSV text or a workbook: a name for its sheet, the names row, and which
// columns hold numbers (as the window writes them, "2,5"), so that a
// workbook can store those as numbers rather than texts.
struct SheetTable {
    std::string sheetName{};
    CsvRow names{};
    std::vector<bool> numbers{}; // one per column
    // Columns of amounts of money ("1234,50", "-308,64"): a workbook stores
    // them as numbers shown with two decimals. Empty: none.
    std::vector<bool> money{};
    std::vector<CsvRow> rows{};
};

// The table as a CSV text: UTF-8 with a byte-order mark, `;`, CRLF.
std::string csvText(const SheetTable& table);

} // namespace kavro
