// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_results.h"

#include "core/order/opening_calculator.h"
#include "progress.h"

namespace kavro::cli {

std::vector<OpeningResults> computeOrder(const Order& order, Progress& progress) {
    std::vector<OpeningResults> results;
    results.reserve(order.openings.size());
    for (const Opening& opening : order.openings) {
        results.push_back(OpeningCalculator::compute(opening));
        progress.update(results.size(), order.openings.size());
    }
    return results;
}

std::string openingLabel(const Order& order, std::size_t index) {
    std::string label = "проём " + std::to_string(index + 1);
    const std::string& location = order.openings.at(index).location;
    if (!location.empty())
        label += " «" + location + "»";
    return label;
}

} // namespace kavro::cli
