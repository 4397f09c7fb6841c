// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet_table_json.h"

namespace kavro {

nlohmann::ordered_json sheetTableJson(const SheetTable& table) {
    return {{"sheetName", table.sheetName},
            {"names", table.names},
            {"numbers", table.numbers},
            {"money", table.money},
            {"rows", table.rows}};
}

std::optional<SheetTable> sheetTableOf(std::string_view json) {
    const auto parsed = nlohmann::ordered_json::parse(json, nullptr, false);
    try {
        SheetTable table;
        table.sheetName = parsed.at("sheetName").get<std::string>();
        table.names = parsed.at("names").get<CsvRow>();
        table.numbers = parsed.at("numbers").get<std::vector<bool>>();
        table.money = parsed.at("money").get<std::vector<bool>>();
        table.rows = parsed.at("rows").get<std::vector<CsvRow>>();
        return table;
    } catch (const nlohmann::json::exception&) {
        return std::nullopt; // not an object, or a member missing or of another type
    }
}

} // namespace kavro
