// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/order/opening_results.h"
#include "core/order/order.h"
#include "diagnostics.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavro::cli {

// The steps the commands share; each reports its own failure.

// The order in `file`; nothing after an error was reported.
std::optional<Order> readOrder(const std::filesystem::path& file, Diagnostics& diagnostics);

// The bytes of `file` up to `maxBytes`; nothing after an error was reported.
std::optional<std::string> readInput(const std::filesystem::path& file, std::size_t maxBytes,
                                     Diagnostics& diagnostics);

// Writes `bytes` as the whole of `file`, atomically; false after an error
// was reported.
bool writeOutput(const std::filesystem::path& file, std::string_view bytes,
                 Diagnostics& diagnostics);

// Reports the openings' problems (an input the window refused, a drive or
// accessory not offered) as warnings on `file`; returns their number.
int reportProblems(const std::filesystem::path& file, const Order& order,
                   const std::vector<OpeningResults>& results, Diagnostics& diagnostics);

} // namespace kavro::cli
