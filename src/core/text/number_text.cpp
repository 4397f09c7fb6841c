// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "number_text.h"

#include "../calc_error.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

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

// The parts as digits and a power of ten, "123e-2" for "1,23": no decimal
// point, so the conversion reads it the same under every C locale (the
// window runs under the user's, where the point may be a comma). Empty when
// the exponent alone decides: a zero value, an underflow (0) or an overflow.
struct ScaledDigits {
    std::string text;
    bool overflow = false;
};

// The power of ten the integer and fraction digits, written one after the
// other, are scaled by; none when the exponent is so long that its sign
// alone decides.
std::optional<long long> powerOfTen(const NumberParts& p) {
    const std::size_t z = p.exponentDigits.find_first_not_of('0');
    const std::string_view exponent =
        z == std::string_view::npos ? std::string_view() : p.exponentDigits.substr(z);
    if (exponent.size() > 12)
        return std::nullopt;
    long long e = 0;
    for (char c : exponent)
        e = e * 10 + (c - '0');
    return (p.exponentNegative ? -e : e) - static_cast<long long>(p.fractionDigits.size());
}

ScaledDigits scaledDigits(const NumberParts& p, std::optional<long long> power) {
    ScaledDigits out;
    const bool zero = p.integerDigits.find_first_not_of('0') == std::string_view::npos &&
                      p.fractionDigits.find_first_not_of('0') == std::string_view::npos;
    if (zero)
        return out;
    if (!power) {
        out.overflow = !p.exponentNegative;
        return out;
    }
    out.text.reserve(p.integerDigits.size() + p.fractionDigits.size() + 24);
    out.text.append(p.integerDigits);
    out.text.append(p.fractionDigits);
    out.text += 'e';
    out.text += std::to_string(*power);
    return out;
}

// The value without strtod when that is exact: at most 15 significant
// digits are an exact double, and so is every power of ten up to 1e22, so
// one multiplication or division rounds once, as strtod does. Catalogue
// torques and typed sizes all take this way; it matters in the browser,
// where strtod works in software 128-bit arithmetic.
std::optional<double> exactlyScaled(const NumberParts& p, std::optional<long long> power) {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr long long kLargestPower = 22;
    if (!power || *power < -kLargestPower || *power > kLargestPower)
        return std::nullopt;
    std::uint64_t digits = 0;
    int significant = 0;
    for (const std::string_view part : {p.integerDigits, p.fractionDigits})
        for (char c : part) {
            if (significant == 0 && c == '0')
                continue;
            if (++significant > 15)
                return std::nullopt;
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        }
    const double value = static_cast<double>(digits);
    return *power < 0 ? value / kPowers[-*power] : value * kPowers[*power];
}

} // namespace

double StrToFloat(std::string_view text) {
    NumberParts p;
    if (!splitNumber(text, p))
        throwNotANumber(text);
    const std::optional<long long> power = powerOfTen(p);
    if (const std::optional<double> exact = exactlyScaled(p, power))
        return p.negative ? -*exact : *exact;
    const ScaledDigits scaled = scaledDigits(p, power);
    if (scaled.overflow)
        throwNotANumber(text);
    double value = 0.0;
    if (!scaled.text.empty()) {
        // strtod rounds correctly on glibc and on musl alike, so both
        // toolchains get the same bits; an underflow gives 0 (or the
        // subnormal), an overflow infinity.
        char* end = nullptr;
        value = std::strtod(scaled.text.c_str(), &end);
        if (end != scaled.text.c_str() + scaled.text.size() || std::isinf(value))
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
