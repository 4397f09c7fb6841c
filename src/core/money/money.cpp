// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "money.h"

#include <limits>

namespace kavro {

namespace {

// Products of an amount and a rate need more than 64 bits before they are
// divided back into range.
__extension__ typedef __int128 Wide;

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kWholePercent = 100; // hundredths in one per cent
constexpr std::int64_t kAllOfIt = 100 * kWholePercent;

std::int64_t narrow(Wide value) {
    if (value > kMax || value < kMin)
        throw MoneyOverflow();
    return static_cast<std::int64_t>(value);
}

// n / d to the nearest whole, a half away from zero (d > 0). With
// q = |n| div d and r = |n| mod d the result is q + (2r >= d), with the sign
// of n: exact, where n / d in floating point would put an x.5 kopeck either
// side depending on how the quotient happens to be represented.
std::int64_t divideRounded(Wide n, Wide d) {
    const bool negative = n < 0;
    const Wide magnitude = negative ? -n : n;
    Wide q = magnitude / d;
    if (2 * (magnitude % d) >= d)
        ++q;
    return narrow(negative ? -q : q);
}

// The no-break space (U+00A0) that Russian spreadsheets put between the
// thousands, and the narrow one (U+202F) that newer ones use.
constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
constexpr std::string_view kNarrowNoBreakSpace = "\xE2\x80\xAF";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of a thousands gap at the start of `text`, 0 when there is none.
std::size_t gapAt(std::string_view text) {
    if (text.starts_with(' '))
        return 1;
    if (text.starts_with(kNoBreakSpace))
        return kNoBreakSpace.size();
    if (text.starts_with(kNarrowNoBreakSpace))
        return kNarrowNoBreakSpace.size();
    return 0;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && gapAt(text) > 0)
        text.remove_prefix(gapAt(text));
    while (!text.empty() && (text.back() == ' ' || text.ends_with(kNoBreakSpace) ||
                             text.ends_with(kNarrowNoBreakSpace))) {
        const std::size_t cut = text.back() == ' '              ? 1
                                : text.ends_with(kNoBreakSpace) ? kNoBreakSpace.size()
                                                                : kNarrowNoBreakSpace.size();
        text.remove_suffix(cut);
    }
    return text;
}

struct Decimal {
    std::int64_t hundredths = 0;
};

// Digits in groups ("1 234 567" or "1234567"), an optional comma and one or
// two decimals; the value in hundredths, or the reason.
std::variant<Decimal, std::string> parseDecimal(std::string_view text) {
    text = trimmed(text);
    if (text.empty())
        return std::string("пусто");
    if (text.front() == '-')
        return std::string("отрицательное число");
    Wide whole = 0;
    std::size_t digitsInGroup = 0;
    bool grouped = false;
    std::size_t i = 0;
    while (i < text.size() && text[i] != ',') {
        if (isDigit(text[i])) {
            whole = whole * 10 + (text[i] - '0');
            if (whole > kMax)
                return std::string("число слишком велико");
            ++digitsInGroup;
            ++i;
        } else if (const std::size_t gap = gapAt(text.substr(i)); gap > 0 && digitsInGroup > 0) {
            // Every group after a gap holds three digits, so a typo such as
            // "12 34" is not read as 1234.
            if ((grouped && digitsInGroup != 3) || digitsInGroup > 3)
                return std::string("неверно разделены тысячи");
            grouped = true;
            digitsInGroup = 0;
            i += gap;
        } else {
            return std::string("не число");
        }
    }
    if (digitsInGroup == 0)
        return std::string("не число");
    if (grouped && digitsInGroup != 3)
        return std::string("неверно разделены тысячи");
    std::int64_t fraction = 0;
    if (i < text.size()) {
        const std::string_view decimals = text.substr(i + 1);
        if (decimals.empty() || decimals.size() > 2)
            return std::string(decimals.empty() ? "не число" : "больше двух знаков после запятой");
        for (char c : decimals)
            if (!isDigit(c))
                return std::string("не число");
        fraction = (decimals[0] - '0') * 10 + (decimals.size() == 2 ? decimals[1] - '0' : 0);
    }
    const Wide value = whole * 100 + fraction;
    if (value > kMax)
        return std::string("число слишком велико");
    return Decimal{static_cast<std::int64_t>(value)};
}

std::string twoDigits(std::int64_t value) {
    return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// The whole part of a non-negative amount, its thousands set apart by `gap`.
std::string groupedWhole(std::uint64_t whole, std::string_view gap) {
    std::string digits = std::to_string(whole);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += gap;
        text += digits[i];
    }
    return text;
}

std::string amountText(Money amount, std::string_view gap) {
    // The magnitude of the smallest amount does not fit in int64.
    const bool negative = amount.kopecks < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(amount.kopecks) : amount.kopecks;
    return (negative ? "-" : "") + groupedWhole(magnitude / 100, gap) + "," +
           twoDigits(static_cast<std::int64_t>(magnitude % 100));
}

} // namespace

Money addMoney(Money a, Money b) {
    return {narrow(Wide(a.kopecks) + b.kopecks)};
}

Money subtractMoney(Money a, Money b) {
    return {narrow(Wide(a.kopecks) - b.kopecks)};
}

Money multiplyMoney(Money unit, std::int64_t count) {
    return {narrow(Wide(unit.kopecks) * count)};
}

Money percentOf(Money amount, Percent rate) {
    return {divideRounded(Wide(amount.kopecks) * rate.hundredths, kAllOfIt)};
}

Money includedTax(Money amount, Percent rate) {
    return {divideRounded(Wide(amount.kopecks) * rate.hundredths, kAllOfIt + rate.hundredths)};
}

std::variant<Money, std::string> parsePrice(std::string_view text) {
    auto parsed = parseDecimal(text);
    if (auto* reason = std::get_if<std::string>(&parsed))
        return "цена «" + std::string(trimmed(text)) + "»: " + *reason;
    return Money{std::get<Decimal>(parsed).hundredths};
}

std::variant<Percent, std::string> parsePercent(std::string_view text) {
    auto parsed = parseDecimal(text);
    if (auto* reason = std::get_if<std::string>(&parsed))
        return "процент «" + std::string(trimmed(text)) + "»: " + *reason;
    const std::int64_t hundredths = std::get<Decimal>(parsed).hundredths;
    if (hundredths > kAllOfIt)
        return "процент «" + std::string(trimmed(text)) + "»: больше 100";
    return Percent{hundredths};
}

std::string moneyText(Money amount) {
    return amountText(amount, kNoBreakSpace);
}

std::string plainMoneyText(Money amount) {
    return amountText(amount, "");
}

std::string percentText(Percent rate) {
    std::string text = std::to_string(rate.hundredths / kWholePercent);
    const std::int64_t rest = rate.hundredths % kWholePercent;
    if (rest != 0) {
        text += "," + twoDigits(rest);
        if (text.back() == '0')
            text.pop_back();
    }
    return text;
}

} // namespace kavro
