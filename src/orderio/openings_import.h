// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/order/opening.h"

#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// A fault of a spreadsheet: its row (from 1, the names row being 1; 0 for the
// file as a whole), the column's name (empty for a whole row) and what is
// wrong, in the user's words.
struct CsvCellError {
    int row = 0;
    std::string column;
    std::string message;

    bool operator==(const CsvCellError&) const = default;
};

// "строка R, столбец «C»: M" (the parts that are known).
std::string describe(const CsvCellError& error);

// The openings of a spreadsheet, one per row, in the order of the rows.
struct OpeningsImport {
    std::vector<Opening> openings;
    // The spreadsheet row of each opening.
    std::vector<int> rows;
    // Every fault found; when there is any, `openings` and `rows` are empty.
    std::vector<CsvCellError> errors;
};

// Reads an openings spreadsheet: UTF-8 with or without a byte-order mark,
// UTF-16 with one, or Windows-1251; separator ';', ',' or a tab (detected
// from the names row), CRLF or LF. A missing
// column or an empty cell takes the value the window starts with; a row of
// empty cells is no opening. Every bad cell is reported, never replaced by a
// default.
OpeningsImport importOpenings(std::string_view text);

} // namespace kavro
