// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "opening.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kavro {

// An installer's order: a title (customer or address, free text) and its
// openings in the order they are listed.
struct Order {
    // The most openings one order holds.
    static constexpr std::size_t kMaxOpenings = 100'000;

    std::string title;
    std::vector<Opening> openings;

    bool operator==(const Order&) const = default;
};

} // namespace kavro
