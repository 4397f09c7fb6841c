// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <compare>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

// Money is counted in whole kopecks in 64-bit integers: a price list and a
// quotation must add up to the kopeck as the customer checks them by hand,
// which floating point does not promise. Every sum is checked; one that
// does not fit is refused, never wrapped.
namespace kavro {

struct Money {
    std::int64_t kopecks = 0;

    auto operator<=>(const Money&) const = default;
};

// A sum, product or share that does not fit in 64 bits of kopecks.
class MoneyOverflow : public std::overflow_error {
public:
    MoneyOverflow() : std::overflow_error("сумма слишком велика") {}
};

Money addMoney(Money a, Money b);
Money subtractMoney(Money a, Money b);
Money multiplyMoney(Money unit, std::int64_t count);

// A rate in hundredths of a per cent: 20 % is 2000, 2,5 % is 250.
struct Percent {
    std::int64_t hundredths = 0;

    auto operator<=>(const Percent&) const = default;
};

// `rate` of `amount`, to the kopeck, a half kopeck away from zero: a
// discount.
Money percentOf(Money amount, Percent rate);
// The tax that a price including it at `rate` holds:
// amount × rate / (100 % + rate), to the kopeck (a half away from zero).
Money includedTax(Money amount, Percent rate);

// A price as a spreadsheet or the user writes it: digits, the thousands
// optionally apart by spaces or no-break spaces ("1 234"), optionally a
// decimal comma with one or two digits ("1234,5", "1 234,50"); spaces
// around are ignored. The reason in the user's words when it is not one.
std::variant<Money, std::string> parsePrice(std::string_view text);

// A rate as the user writes it: "20", "2,5", at most two decimals, from 0
// to 100 %; the reason in the user's words when it is not one.
std::variant<Percent, std::string> parsePercent(std::string_view text);

// "1 234,50" with no-break spaces between the thousands, for papers.
std::string moneyText(Money amount);
// "1234,50", for spreadsheets, which read it back as a number.
std::string plainMoneyText(Money amount);
// "20", "2,5"
std::string percentText(Percent rate);

} // namespace kavro
