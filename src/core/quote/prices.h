// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../money/money.h"

#include <functional>
#include <map>
#include <string>

namespace kavro {

// One article of the firm's price list: the price the customer pays, tax
// included, and the list's own name for it, if it gives one.
struct PricedArticle {
    Money price;
    std::string name;

    bool operator==(const PricedArticle&) const = default;
};

// The firm's prices by article.
using Prices = std::map<std::string, PricedArticle, std::less<>>;

} // namespace kavro
