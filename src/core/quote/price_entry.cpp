// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "price_entry.h"

#include "../order/order.h"

namespace kavro {

namespace {

bool blank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

std::variant<std::optional<Percent>, std::string> parseDiscountEntry(std::string_view text) {
    if (blank(text))
        return std::optional<Percent>{};
    auto rate = parsePercent(text);
    if (auto* reason = std::get_if<std::string>(&rate))
        return "скидка: " + *reason;
    const Percent percent = std::get<Percent>(rate);
    if (percent == Percent{0})
        return std::optional<Percent>{};
    if (percent > Order::kMaxDiscount)
        return "скидка: не больше " + percentText(Order::kMaxDiscount) + " %";
    return std::optional<Percent>{percent};
}

std::variant<std::optional<Money>, std::string> parseInstallationEntry(std::string_view text) {
    if (blank(text))
        return std::optional<Money>{};
    auto price = parsePrice(text);
    if (auto* reason = std::get_if<std::string>(&price))
        return "монтаж: " + *reason;
    if (std::get<Money>(price) > Opening::kMaxInstallationPrice)
        return "монтаж: не больше " + moneyText(Opening::kMaxInstallationPrice) + " руб.";
    return std::optional<Money>{std::get<Money>(price)};
}

} // namespace kavro
