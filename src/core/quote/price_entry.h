// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../money/money.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kavro {

// The order's discount as the user types it: empty or "0" for none, else a
// rate above 0 and up to Order::kMaxDiscount; the reason in the user's
// words when it is not one.
std::variant<std::optional<Percent>, std::string> parseDiscountEntry(std::string_view text);

// An opening's own installation price as the user types it: empty for the
// firm's price, else a price from 0 to Opening::kMaxInstallationPrice.
std::variant<std::optional<Money>, std::string> parseInstallationEntry(std::string_view text);

} // namespace kavro
