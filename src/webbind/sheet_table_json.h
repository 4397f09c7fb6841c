// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "orderio/sheet_table.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>

namespace kavro {

// A spreadsheet's table as it passes from the calculator's module, which
// makes it, to the papers' module, which writes it as a workbook:
// {"sheetName", "names", "numbers", "money", "rows"}.
nlohmann::ordered_json sheetTableJson(const SheetTable& table);

// The table again; nothing when the text is not such a table.
std::optional<SheetTable> sheetTableOf(std::string_view json);

} // namespace kavro
