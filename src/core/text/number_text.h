// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Number text: every figure travels between the calculation steps as the text
// of a window field, with the decimal comma. These routines are the only
// conversions between such text and doubles, so every step parses and prints
// numbers the same way.
namespace kavro {

// Parses a number text: optional spaces, optional sign, digits with an
// optional decimal comma and digits, optional exponent ("E"/"e", optional
// sign, at least one digit), optional spaces. A lone comma is 0.
// Throws CalcError("'TEXT' is not a valid floating point value") for any other
// form and for values beyond the double range.
double StrToFloat(std::string_view text);

// Formats a double with at most 15 significant digits and the decimal comma:
// fixed notation for 0 and for 0.00001 <= |x| < 1e15, otherwise scientific
// ("1E20", "1,5E-6"). No trailing zeros, negative zero shows "0".
// Throws CalcError("Invalid floating point operation") for infinity and NaN.
std::string FloatToStr(double value);

// Rounds to hundredths: value / 0.01 rounded half to even, times 0.01.
// Throws CalcError("Invalid floating point operation") when the quotient lies
// beyond the signed 64-bit range (infinity and NaN included).
double RoundTo2(double value);

// Nearest whole number, halves to even; the same range check as RoundTo2.
std::int64_t Round(double value);

// Toward zero.
double Trunc(double value);

extern const char* const kInvalidFloatOperation;

} // namespace kavro
