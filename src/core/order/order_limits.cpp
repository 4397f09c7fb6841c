// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_limits.h"

#include "order.h"

#include <algorithm>

namespace kavro {

namespace {

std::string range(int low, int high) {
    return "от " + std::to_string(low) + " до " + std::to_string(high);
}

std::string_view withoutSpaces(std::string_view text) {
    constexpr std::string_view kSpaces = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(kSpaces);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

} // namespace

bool isOpeningCount(long long count) {
    return count >= Opening::kMinCount && count <= Opening::kMaxCount;
}

bool isAccessoryQuantity(long long quantity) {
    return quantity >= 0 && quantity <= Opening::kMaxAccessoryQuantity;
}

std::optional<int> wholeNumberText(std::string_view text, int low, int high) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long long value = 0;
    for (char digit : text) {
        value = value * 10 + (digit - '0');
        if (value > high)
            return std::nullopt; // also keeps a long run of digits from overflowing
    }
    if (value < low)
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> readOpeningCount(std::string_view text) {
    return wholeNumberText(withoutSpaces(text), Opening::kMinCount, Opening::kMaxCount);
}

std::optional<int> readAccessoryQuantity(std::string_view text) {
    return wholeNumberText(withoutSpaces(text), 0, Opening::kMaxAccessoryQuantity);
}

std::string openingCountRange() {
    return range(Opening::kMinCount, Opening::kMaxCount);
}

std::string accessoryQuantityRange() {
    return range(0, Opening::kMaxAccessoryQuantity);
}

std::string openingCountRefusal() {
    return "Количество проёмов должно быть целым числом " + openingCountRange() + ".";
}

std::string accessoryQuantityRefusal() {
    return "Количество аксессуара должно быть целым числом " + accessoryQuantityRange() + ".";
}

std::string tooManyOpeningsMessage() {
    return "В заказе не может быть больше " + std::to_string(Order::kMaxOpenings) + " проёмов.";
}

} // namespace kavro
