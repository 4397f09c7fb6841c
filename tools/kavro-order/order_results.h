// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "command_files.h"
#include "core/order/opening_results.h"
#include "core/order/order.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace kavro::cli {

class Progress;
struct CommandContext;

// The results of every opening, in order, worked out by the calculator's
// own logic.
std::vector<OpeningResults> computeOrder(const Order& order, Progress& progress);

// An order read from its file with the results of its openings.
struct ComputedOrder {
    OrderInFile file;
    std::vector<OpeningResults> results;
};

// Reads the order in `file` and works out every opening, with the progress
// line on a terminal; nothing after an error was reported.
std::optional<ComputedOrder> readAndCompute(const std::filesystem::path& file,
                                            CommandContext& context);

// "проём N «LOCATION»" for messages.
std::string openingLabel(const Order& order, std::size_t index);

} // namespace kavro::cli
