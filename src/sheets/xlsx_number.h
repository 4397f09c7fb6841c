// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kavro {

// The text the window would hold for a number a workbook stores ("3.35",
// "1E3", "-0"), made from the stored digits themselves rather than through
// a binary double, which would turn 3.35 into 3.3500000000000001: a decimal
// comma, no exponent, no leading or trailing zeros ("0,1" for "0.1000"),
// "-" for a negative number other than zero. Rounded to the 15 significant
// digits a double holds: "8.800000000000001" is "8,8". Nothing when the text is no
// number or would be longer than `maxLength` characters.
std::optional<std::string> numberCellText(std::string_view stored, std::size_t maxLength);

} // namespace kavro
