// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "opening_rows.h"

#include <algorithm>

namespace kavro {

std::string openingSizeText(const Opening& opening) {
    return opening.inputs.width + " × " + opening.inputs.height;
}

OpeningRow openingRow(const OrderDocument& document, std::size_t index) {
    const Opening& opening = document.opening(index);
    const OpeningResults& results = document.results(index);
    return {.number = static_cast<int>(index) + 1,
            .location = opening.location,
            .count = opening.count,
            .size = openingSizeText(opening),
            .drive = results.driveArticle,
            .torque = results.torque};
}

std::vector<OpeningAccessoryRow> openingAccessoryRows(const OrderDocument& document,
                                                      std::size_t index) {
    const OpeningResults& results = document.results(index);
    std::vector<OpeningAccessoryRow> rows;
    std::vector<std::string> listed;
    for (const std::vector<std::string>& row : results.accessories) {
        if (row.empty() || row[0].empty())
            continue;
        listed.push_back(row[0]);
        rows.push_back({row[0], row.size() > 1 ? row[1] : std::string(),
                        document.accessoryQuantity(index, row[0]), true});
    }
    for (const AccessoryQuantity& kept : document.opening(index).accessories)
        if (std::find(listed.begin(), listed.end(), kept.article) == listed.end())
            rows.push_back({kept.article, std::string(kNotOfferedName), kept.quantity, false});
    return rows;
}

} // namespace kavro
