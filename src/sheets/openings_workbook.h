// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "orderio/openings_import.h"

#include <string_view>

namespace kavro {

// The openings of a workbook's first worksheet, read with the columns and
// rules of the CSV spreadsheet; faults placed by cell address.
OpeningsImport importOpeningsWorkbook(std::string_view bytes);

// A workbook or a text table, whichever the bytes are.
OpeningsImport importOpeningsTable(std::string_view bytes);

} // namespace kavro
