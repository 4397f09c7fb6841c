// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "orderio/sheet_table.h"

#include <filesystem>
#include <stdexcept>
#include <string>

namespace kavro {

// A workbook that could not be made; what() says why, in the user's words.
class WorkbookError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The table as an .xlsx workbook of one sheet: the names row bold and
// frozen, each column as wide as its longest text, a number column's cells
// as numbers wherever reading them back gives the same text. The writer
// library can only write a file: it writes one in `folder` (beside the
// target, so on the same disk and as private as it) and removes it again
// whatever happens; the caller writes the bytes atomically. Throws
// WorkbookError.
std::string workbookBytes(const SheetTable& table, const std::filesystem::path& folder);

// Whether a file of that name is to be written as a workbook: ".xlsx" in
// any case.
bool isWorkbookName(const std::filesystem::path& file);

} // namespace kavro
