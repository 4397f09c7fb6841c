// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

// The limits of an order's numbers (Opening::kMinCount and the like) are
// checked here and nowhere else, and every message about them is made here
// from the constants, so that a limit changes in one line.
namespace kavro {

bool isOpeningCount(long long count);
bool isAccessoryQuantity(long long quantity);

// A whole number from `low` to `high` written with digits alone: no sign,
// no spaces, no other base, no exponent.
std::optional<int> wholeNumberText(std::string_view text, int low, int high);

// What the user typed as the count of identical openings, or as an
// accessory's quantity; spaces around it do not count.
std::optional<int> readOpeningCount(std::string_view text);
std::optional<int> readAccessoryQuantity(std::string_view text);

// "от MIN до MAX", as the messages about each limit say it.
std::string openingCountRange();
std::string accessoryQuantityRange();

// Why a count or a quantity was refused, as the user is shown it.
std::string openingCountRefusal();
std::string accessoryQuantityRefusal();
// Why openings brought in are refused when the order would grow past its
// limit.
std::string tooManyOpeningsMessage();

} // namespace kavro
