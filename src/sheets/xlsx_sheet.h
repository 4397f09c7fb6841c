// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "orderio/csv_table.h"
#include "orderio/openings_import.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace kavro {

// What a workbook may hold at most beyond the zip archive's own limits: a
// few cells spread far apart must not make the table of texts huge.
struct SheetLimits {
    std::size_t rows = 1000;
    std::size_t columns = 64;
    std::size_t cells = 2'000'000; // rows times their widths, together
    std::size_t textLength = 255;  // characters of a number cell's text
};

// The cells of a workbook's first worksheet as texts.
struct SheetRows {
    // Row r of the sheet (from 1) is rows[r - 1], column c is [c - 1]; a
    // missing cell is empty.
    std::vector<CsvRow> rows;
    // Every cell that could not be read (a date, an error, a number too
    // long), placed by row and sheet column; the whole file's faults have
    // row 0. Where there is any, `rows` is empty.
    std::vector<CsvCellError> errors;
};

// Reads the first worksheet of an Office Open XML workbook (.xlsx): shared
// and inline strings, numbers as the window would hold them, booleans as
// «да» and «нет», formula cells by the value last calculated.
SheetRows readFirstWorksheet(std::string_view bytes, const SheetLimits& limits);

} // namespace kavro
