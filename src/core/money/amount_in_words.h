// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "money.h"

#include <cstdint>
#include <string>

namespace kavro {

// The amount as Russian papers write it below the figure: the roubles in
// words, capitalised, the kopecks in two figures, each with its noun in the
// form the number asks for: «Двенадцать тысяч триста сорок пять рублей
// 67 копеек», «Ноль рублей 00 копеек». A negative amount begins «Минус».
std::string amountInWords(Money amount);

// The noun for `count` of a thing: `one` for 1, 21, 101...; `few` for
// 2–4, 22–24...; `many` for the rest, 11–14 included.
const char* pluralForm(std::uint64_t count, const char* one, const char* few, const char* many);

} // namespace kavro
