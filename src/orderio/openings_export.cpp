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

CsvRow openingRow(const Opening& opening, const OpeningResults& results, std::size_t number) {
    const OpeningInputs& in = opening.inputs;
    CsvRow row = {opening.location, std::to_string(opening.count),
                  in.profile,       in.profileType,
                  in.thickness,     in.specificWeight,
                  in.shaft,         in.height,
                  in.width,         in.endProfile};
    for (const RadioChoice& choice : radioChoices())
        row.push_back(captionOfChoice(choice.field, in.*choice.member).value_or(""));
    row.push_back(std::string(in.crank ? kYes : kNo));
    row.push_back(results.driveArticle);
    row.push_back(accessoriesCell(opening, number));
    for (const std::string* result :
         {&results.mass, &results.torque, &results.turns, &results.maxRoll, &results.time,
          &results.speed, &results.driveName})
        row.push_back(*result);
    row.push_back(results.narrow ? narrowWarning() : std::string());
    return row;
}

} // namespace

std::string exportOpenings(const Order& order, const std::vector<OpeningResults>& results) {
    CsvRow names;
    for (int column = 0; column < kOpeningColumnCount; ++column)
        names.emplace_back(columnName(static_cast<OpeningColumn>(column)));
    names.insert(names.end(), kResultColumnNames.begin(), kResultColumnNames.end());
    std::string text(kByteOrderMark);
    text += csvLine(names, kSeparator);
    for (std::size_t i = 0; i < order.openings.size(); ++i)
        text += csvLine(openingRow(order.openings[i], results.at(i), i), kSeparator);
    return text;
}

std::string exportPartsList(const std::vector<PartsListLine>& parts) {
    std::string text(kByteOrderMark);
    text += csvLine(CsvRow(kPartsListColumnNames.begin(), kPartsListColumnNames.end()), kSeparator);
    for (const PartsListLine& line : parts)
        text += csvLine(
            {line.article, line.name, std::to_string(line.quantity), openingNumbers(line.openings)},
            kSeparator);
    return text;
}

} // namespace kavro
