// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../money/money.h"
#include "opening.h"

#include <cstddef>
#include <cstdint>
#include <optional>
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
    // A discount on the whole quotation, in per cent; absent: none. Always
    // above 0 and below 100 % when present: a 0 % discount is no discount,
    // and 100 % would make the customer's papers a gift certificate.
    std::optional<Percent> discount{};
    static constexpr Percent kMaxDiscount{99'99};

    // The order's id on the firm's server and the revision this copy was
    // taken at; an empty id: never shared.
    std::string id{};
    std::int64_t revision = 0;

    bool operator==(const Order&) const = default;
};

} // namespace kavro
