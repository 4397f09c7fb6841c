// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "number_text.h"

#include "../calc_error.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kavro {

const char* const kInvalidFloatOperation = "Invalid floating point operation";

namespace {

[[noreturn]] void throwNotANumber(std::string_view text) {
    throw CalcError("'" + std::string(text) + "' is not a valid floating point value");
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The pieces of a number text that passed the grammar.
struct NumberParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits;
};

bool splitNumber(std::string_view s, NumberParts& parts) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n && s[i] == ' ')
        ++i;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        parts.negative = s[i++] == '-';
    std::size_t start = i;
    while (i < n && isDigit(s[i]))
        ++i;
    parts.integerDigits = s.substr(start, i - start);
    bool comma = false;
    if (i < n && s[i] == ',') {
        comma = true;
        start = ++i;
        while (i < n && isDigit(s[i]))
            ++i;
        parts.fractionDigits = s.substr(start, i - start);
    }
    if (parts.integerDigits.empty() && !comma)
        return false;
    if (i < n && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-'))
            parts.exponentNegative = s[i++] == '-';
        start = i;
        while (i < n && isDigit(s[i]))
            ++i;
        parts.exponentDigits = s.substr(start, i - start);
        if (parts.exponentDigits.empty())
            return false;
    }
    while (i < n && s[i] == ' ')
        ++i;
    return i == n;
}

// Whether the decimal value of the parts is below 1 in magnitude (and not 0):
// only then can an out-of-range conversion be an underflow.
bool isTiny(const NumberParts& p) {
    // Leading position of the first non-zero digit relative to the comma.
    long long lead = 0;
    std::size_t z = p.integerDigits.find_first_not_of('0');
    if (z != std::string_view::npos) {
        lead = static_cast<long long>(p.integerDigits.size() - z);
    } else {
        std::size_t f = p.fractionDigits.find_first_not_of('0');
        if (f == std::string_view::npos)
            return false; // the value is zero
        lead = -static_cast<long long>(f);
    }
    // Exponents long enough to matter already decide the sign of the result.
    if (p.exponentDigits.size() > 12)
        return p.exponentNegative;
    long long e = 0;
    for (char c : p.exponentDigits)
        e = e * 10 + (c - '0');
    return lead + (p.exponentNegative ? -e : e) <= 0;
}

} // namespace

double StrToFloat(std::string_view text) {
    NumberParts p;
    if (!splitNumber(text, p))
        throwNotANumber(text);
    std::string canonical;
    canonical.reserve(p.integerDigits.size() + p.fractionDigits.size() + p.exponentDigits.size() +
                      5);
    canonical.append(p.integerDigits.empty() ? std::string_view("0") : p.integerDigits);
    if (!p.fractionDigits.empty()) {
        canonical += '.';
        canonical.append(p.fractionDigits);
    }
    if (!p.exponentDigits.empty()) {
        canonical += 'e';
        if (p.exponentNegative)
            canonical += '-';
        canonical.append(p.exponentDigits);
    }
    double value = 0.0;
    const char* first = canonical.data();
    const char* last = first + canonical.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        if (!isTiny(p))
            throwNotANumber(text);
        value = 0.0;
    } else if (ec != std::errc() || ptr != last) {
        throwNotANumber(text);
    }
    return p.negative ? -value : value;
}

std::string FloatToStr(double value) {
    if (!std::isfinite(value))
        throw CalcError(kInvalidFloatOperation);
    if (value == 0.0)
        return "0";
    // 15 significant digits, correctly rounded: d.dddddddddddddde±XX
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    std::string_view s(buf);
    const bool negative = s.front() == '-';
    if (negative)
        s.remove_prefix(1);
    const std::size_t ePos = s.find('e');
    std::string digits;
    digits += s[0];
    digits.append(s.substr(2, ePos - 2));
    const int exponent = std::atoi(s.data() + ePos + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (negative)
        out += '-';
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            out += "0,";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const std::size_t intLen = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= intLen) {
                out += digits;
                out.append(intLen - digits.size(), '0');
            } else {
                out.append(digits, 0, intLen);
                out += ',';
                out.append(digits, intLen, std::string::npos);
            }
        }
        return out;
    }
    out += digits[0];
    if (digits.size() > 1) {
        out += ',';
        out.append(digits, 1, std::string::npos);
    }
    out += 'E';
    out += std::to_string(exponent);
    return out;
}

namespace {

// Rounds half to even, refusing what a signed 64-bit integer cannot hold.
double roundToInt64Range(double q) {
    constexpr double kTwoTo63 = 9223372036854775808.0;
    const double r = std::nearbyint(q); // default rounding mode: half to even
    if (!(r >= -kTwoTo63 && r < kTwoTo63))
        throw CalcError(kInvalidFloatOperation);
    return r;
}

} // namespace

double RoundTo2(double value) {
    constexpr double kFactor = 0.01;
    return roundToInt64Range(value / kFactor) * kFactor;
}

std::int64_t Round(double value) {
    return static_cast<std::int64_t>(roundToInt64Range(value));
}

double Trunc(double value) {
    return std::trunc(value);
}

} // namespace kavro
