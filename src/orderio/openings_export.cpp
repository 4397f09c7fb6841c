// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "openings_export.h"

#include "choice_captions.h"
#include "core/state/window_state.h"
#include "csv_table.h"
#include "opening_columns.h"

namespace kavro {

namespace {

constexpr char kSeparator = ';';

std::string accessoriesCell(const Opening& opening, std::size_t number) {
    std::string cell;
    for (const AccessoryQuantity& accessory : opening.accessories) {
        if (accessory.article.find(' ') != std::string::npos)
            throw CsvExportError("проём " + std::to_string(number + 1) + ": артикул «" +
                                 accessory.article +
                                 "» содержит пробел и не может быть записан в таблицу");
        cell += (cell.empty() ? "" : " ") + accessory.article + ":" +
                std::to_string(accessory.quantity);
    }
    return cell;
}

// The warning the window shows over a narrow curtain.
const std::string& narrowWarning() {
    static const std::string caption = WindowState().Label27.caption();
    return caption;
}

// An input's cell: a text as it is, a choice by its caption, the crank as
// да or нет.
std::string inputCell(const OpeningInputs& in, Field field) {
    const OpeningInput& input = openingInput(field);
    if (const auto* text = std::get_if<InputText>(&input.member))
        return in.*(*text);
    if (const auto* item = std::get_if<InputItem>(&input.member))
        return captionOfChoice(field, in.*(*item)).value_or("");
    return std::string(in.*std::get<InputFlag>(input.member) ? kYes : kNo);
}

// The cell of a column that holds no input.
std::string ownCell(OpeningColumn column, const Opening& opening, const OpeningResults& results,
                    std::size_t number) {
    switch (column) {
    case OpeningColumn::Location:
        return opening.location;
    case OpeningColumn::Count:
        return std::to_string(opening.count);
    case OpeningColumn::Drive:
        return results.driveArticle;
    default:
        return accessoriesCell(opening, number);
    }
}

CsvRow openingRow(const Opening& opening, const OpeningResults& results, std::size_t number) {
    CsvRow row;
    for (int c = 0; c < kOpeningColumnCount; ++c) {
        const auto column = static_cast<OpeningColumn>(c);
        const std::optional<Field> input = inputOf(column);
        row.push_back(input ? inputCell(opening.inputs, *input)
                            : ownCell(column, opening, results, number));
    }
    for (const std::string* result :
         {&results.mass, &results.torque, &results.turns, &results.maxRoll, &results.time,
          &results.speed, &results.driveName})
        row.push_back(*result);
    row.push_back(results.narrow ? narrowWarning() : std::string());
    return row;
}

} // namespace

SheetTable openingsSheet(const Order& order, const std::vector<OpeningResults>& results) {
    SheetTable table{.sheetName = "Проёмы"};
    for (int column = 0; column < kOpeningColumnCount; ++column)
        table.names.emplace_back(columnName(static_cast<OpeningColumn>(column)));
    table.names.insert(table.names.end(), kResultColumnNames.begin(), kResultColumnNames.end());
    // The count and the six numbers of the shutter, then the results that
    // are numbers (the time is "0 мин 22 сек"; the drive's name and the
    // warning are texts).
    table.numbers.assign(table.names.size(), false);
    for (const OpeningColumn column :
         {OpeningColumn::Count, OpeningColumn::Thickness, OpeningColumn::SpecificWeight,
          OpeningColumn::Shaft, OpeningColumn::Height, OpeningColumn::Width,
          OpeningColumn::EndProfile})
        table.numbers[static_cast<std::size_t>(column)] = true;
    for (const std::size_t result : {0, 1, 2, 3, 5})
        table.numbers[kOpeningColumnCount + result] = true;
    for (std::size_t i = 0; i < order.openings.size(); ++i)
        table.rows.push_back(openingRow(order.openings[i], results.at(i), i));
    return table;
}

std::string exportOpenings(const Order& order, const std::vector<OpeningResults>& results) {
    return csvText(openingsSheet(order, results));
}

SheetTable partsListSheet(const std::vector<PartsListLine>& parts) {
    SheetTable table{.sheetName = "Ведомость",
                     .names = CsvRow(kPartsListColumnNames.begin(), kPartsListColumnNames.end()),
                     .numbers = {false, false, true, false}};
    for (const PartsListLine& line : parts)
        table.rows.push_back({line.article, line.name, std::to_string(line.quantity),
                              openingNumbers(line.openings)});
    return table;
}

std::string exportPartsList(const std::vector<PartsListLine>& parts) {
    return csvText(partsListSheet(parts));
}

std::string csvText(const SheetTable& table) {
    std::string text(kByteOrderMark);
    text += csvLine(table.names, kSeparator);
    for (const CsvRow& row : table.rows)
        text += csvLine(row, kSeparator);
    return text;
}

} // namespace kavro
