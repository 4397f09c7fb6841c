// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "file_answer.h"

#include <string>

namespace kavro {

// The papers' module's spreadsheets: a table the calculator's module made
// (sheet_table_json.h) as the .xlsx workbook kavro-order writes.
FileAnswer workbookFile(const std::string& sheet);

// The firm's price list in a file the user chose (CSV in UTF-8 or
// Windows-1251, Unicode text, or an .xlsx workbook), as the desktop reads
// it: {"result": "done", "prices": the list as the program keeps it,
// "count"} or {"result": "failed", "error": every fault by row or cell}.
std::string readPriceList(const std::string& name, const std::string& bytes);

// The openings of a table the user chose (a workbook or a text table), as
// kavro-order imports them: {"result": "done", "order": an order file of
// those openings, for the calculator's module to append} or {"result":
// "failed", "error": every fault, placed by cell or row as kavro-order
// places it}.
std::string readOpenings(const std::string& name, const std::string& bytes);

} // namespace kavro
