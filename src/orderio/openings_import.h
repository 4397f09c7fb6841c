// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/order/opening.h"
#include "csv_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// A fault of a spreadsheet: its row (from 1, the names row being 1; 0 for the
// file as a whole), the column's name (empty for a whole row), what is
// wrong, in the user's words, and the sheet column of the cell (from 1; 0
// where the fault is no one cell's).
struct CsvCellError {
    int row = 0;
    std::string column;
    std::string message;
    int sheetColumn = 0;

    bool operator==(const CsvCellError&) const = default;
};

// "строка R, столбец «C»: M" (the parts that are known).
std::string describe(const CsvCellError& error);

// The cell's address as a spreadsheet names it: "B7" for sheet column 2,
// row 7; empty without a row or a column.
std::string cellAddress(int row, int sheetColumn);

// "ячейка B7, столбец «C»: M" where the fault is one cell's, else as
// describe(): how a workbook's faults are placed.
std::string describeCell(const CsvCellError& error);

// The openings of a spreadsheet, one per row, in the order of the rows.
struct OpeningsImport {
    std::vector<Opening> openings;
    // The spreadsheet row of each opening.
    std::vector<int> rows;
    // Every fault found; when there is any, `openings` and `rows` are empty.
    std::vector<CsvCellError> errors;
    // The faults are placed as a workbook's cells ("B7") rather than rows.
    bool cellAddresses = false;
};

// One of the import's faults as the user reads it: describeCell() or
// describe(), as the import places them.
std::string describeFault(const OpeningsImport& import, const CsvCellError& error);

// Reads an openings spreadsheet: UTF-8 with or without a byte-order mark,
// UTF-16 with one, or Windows-1251; separator ';', ',' or a tab (detected
// from the names row), CRLF or LF. A missing
// column or an empty cell takes the value the window starts with; a row of
// empty cells is no opening. Every bad cell is reported, never replaced by a
// default.
OpeningsImport importOpenings(std::string_view text);

// Whether the bytes are a zip archive, as every .xlsx workbook is; a text
// table never starts like one.
bool looksLikeWorkbook(std::string_view bytes);

// The same for rows already read from a sheet, the names row first (row 1);
// cells are UTF-8 texts.
OpeningsImport importOpeningRows(const std::vector<CsvRow>& rows);

} // namespace kavro
