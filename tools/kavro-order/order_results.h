// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/order/opening_results.h"
#include "core/order/order.h"

#include <vector>

namespace kavro::cli {

class Progress;

// The results of every opening, in order, worked out by the calculator's
// own logic.
std::vector<OpeningResults> computeOrder(const Order& order, Progress& progress);

// "проём N «LOCATION»" for messages.
std::string openingLabel(const Order& order, std::size_t index);

} // namespace kavro::cli
