// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/firm/firm_details.h"
#include "core/order/opening_results.h"
#include "core/order/order.h"
#include "core/quote/prices.h"
#include "diagnostics.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavro::cli {

// The steps the commands share; each reports its own failure.

// An order as read from its file, with the line where each opening begins
// for messages about it.
struct OrderInFile {
    Order order;
    std::vector<int> openingLines;
};

// The order in `file`; nothing after an error was reported.
std::optional<OrderInFile> readOrder(const std::filesystem::path& file, Diagnostics& diagnostics);

// The bytes of `file` up to `maxBytes`; nothing after an error was reported.
std::optional<std::string> readInput(const std::filesystem::path& file, std::size_t maxBytes,
                                     Diagnostics& diagnostics);

// Writes `bytes` as the whole of `file`, atomically; false after an error
// was reported.
bool writeOutput(const std::filesystem::path& file, std::string_view bytes,
                 Diagnostics& diagnostics);

// The firm's details that head the papers: those of `named`, else the
// user's own, else none (`details` left empty). False after an error was
// reported: a damaged file is never taken as no details.
bool readFirm(const std::optional<std::filesystem::path>& named, Diagnostics& diagnostics,
              std::optional<FirmDetails>& details);

// The prices the quotation is made from: those of `named`, else the user's
// kept list, else none (`prices` left empty, `file` empty). False after
// the list's faults were reported, each at its row: a list with a fault
// prices nothing.
bool readPrices(const std::optional<std::filesystem::path>& named, Diagnostics& diagnostics,
                Prices& prices, std::filesystem::path& file);

// Reports the openings' problems (an input the window refused, a drive or
// accessory not offered) as warnings on `file`, at the opening's line;
// returns their number.
int reportProblems(const std::filesystem::path& file, const OrderInFile& order,
                   const std::vector<OpeningResults>& results, Diagnostics& diagnostics);

} // namespace kavro::cli
