// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_results.h"

#include "commands.h"
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

std::optional<ComputedOrder> readAndCompute(const std::filesystem::path& file,
                                            CommandContext& context) {
    std::optional<OrderInFile> loaded = readOrder(file, context.diagnostics);
    if (!loaded)
        return std::nullopt;
    Progress progress(context.err, context.terminal, "расчёт проёмов");
    std::vector<OpeningResults> results = computeOrder(loaded->order, progress);
    return ComputedOrder{std::move(*loaded), std::move(results)};
}

std::string openingLabel(const Order& order, std::size_t index) {
    std::string label = "проём " + std::to_string(index + 1);
    const std::string& location = order.openings.at(index).location;
    if (!location.empty())
        label += " «" + location + "»";
    return label;
}

} // namespace kavro::cli
