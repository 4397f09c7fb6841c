// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xlsx_number.h"

#include <algorithm>
#include <cstdint>

namespace kavro {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A double holds 15 significant decimal digits whatever their value; digits
// past them are the binary fraction's tail (8.800000000000001 for 8.8), which
// Excel, Calc and writers printing 16 or 17 digits leave in the cell.
constexpr std::size_t kDoubleDigits = 15;

struct Decimal {
    bool negative = false;
    std::string digits;     // significant digits, as stored
    std::int64_t point = 0; // digits before the decimal point
};

// xsd:double's lexical form without INF and NaN: [sign] digits [. digits]
// [e [sign] digits], at least one digit in the mantissa.
std::optional<Decimal> parse(std::string_view s) {
    Decimal d;
    std::size_t at = 0;
    if (at < s.size() && (s[at] == '-' || s[at] == '+'))
        d.negative = s[at++] == '-';
    for (; at < s.size() && isDigit(s[at]); ++at)
        d.digits += s[at];
    d.point = static_cast<std::int64_t>(d.digits.size());
    if (at < s.size() && s[at] == '.')
        for (++at; at < s.size() && isDigit(s[at]); ++at)
            d.digits += s[at];
    if (d.digits.empty())
        return std::nullopt;
    if (at < s.size() && (s[at] == 'e' || s[at] == 'E')) {
        ++at;
        bool negativeExponent = false;
        if (at < s.size() && (s[at] == '-' || s[at] == '+'))
            negativeExponent = s[at++] == '-';
        if (at == s.size())
            return std::nullopt;
        std::int64_t exponent = 0;
        for (; at < s.size() && isDigit(s[at]); ++at)
            exponent = std::min<std::int64_t>(exponent * 10 + (s[at] - '0'), 1'000'000);
        d.point += negativeExponent ? -exponent : exponent;
    }
    if (at != s.size())
        return std::nullopt;
    return d;
}

// Rounds the significant digits (no leading zero) to kDoubleDigits, half
// away from zero as Excel shows them; a carry out of the first digit moves
// the point ("9999999999999999" is 1E16).
void roundToDoubleDigits(Decimal& d) {
    if (d.digits.size() <= kDoubleDigits)
        return;
    const bool up = d.digits[kDoubleDigits] >= '5';
    d.digits.resize(kDoubleDigits);
    if (!up)
        return;
    std::size_t at = kDoubleDigits;
    while (at > 0 && d.digits[at - 1] == '9')
        d.digits[--at] = '0';
    if (at > 0) {
        ++d.digits[at - 1];
        return;
    }
    d.digits.insert(d.digits.begin(), '1');
    d.digits.pop_back();
    ++d.point;
}

} // namespace

std::optional<std::string> numberCellText(std::string_view stored, std::size_t maxLength) {
    std::optional<Decimal> d = parse(stored);
    if (!d)
        return std::nullopt;
    // Leading zeros move the point; trailing ones after it say nothing.
    const std::size_t first = d->digits.find_first_not_of('0');
    if (first == std::string::npos)
        return "0";
    d->digits.erase(0, first);
    d->point -= static_cast<std::int64_t>(first);
    roundToDoubleDigits(*d);
    const std::size_t last = d->digits.find_last_not_of('0');
    const std::int64_t significant = static_cast<std::int64_t>(last) + 1;
    // The whole part has max(point, 1) digits, the fraction those after it.
    const std::int64_t whole = std::max<std::int64_t>(d->point, 1);
    const std::int64_t fraction = std::max<std::int64_t>(significant - d->point, 0);
    const std::int64_t length = (d->negative ? 1 : 0) + whole + (fraction > 0 ? 1 + fraction : 0);
    if (length > static_cast<std::int64_t>(maxLength))
        return std::nullopt;
    d->digits.resize(static_cast<std::size_t>(std::max(significant, d->point)), '0');
    std::string text = d->negative ? "-" : "";
    if (d->point <= 0) {
        text += "0," + std::string(static_cast<std::size_t>(-d->point), '0') +
                d->digits.substr(0, static_cast<std::size_t>(significant));
        return text;
    }
    const auto point = static_cast<std::size_t>(d->point);
    text += d->digits.substr(0, point);
    if (fraction > 0)
        text += "," + d->digits.substr(point, static_cast<std::size_t>(fraction));
    return text;
}

} // namespace kavro
