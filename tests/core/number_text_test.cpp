// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc_error.h"
#include "core/text/number_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>

namespace kavro {
namespace {

struct ParseCase {
    const char* name;
    const char* text;
    double value;
};
std::ostream& operator<<(std::ostream& out, const ParseCase& c) {
    return out << c.name;
}

class StrToFloatAccepts : public testing::TestWithParam<ParseCase> {};

TEST_P(StrToFloatAccepts, GivesTheValue) {
    EXPECT_EQ(StrToFloat(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, StrToFloatAccepts,
    testing::Values(ParseCase{"Whole", "2000", 2000}, ParseCase{"DecimalComma", "0,5", 0.5},
                    ParseCase{"LoneComma", ",", 0}, ParseCase{"TrailingComma", "0,", 0},
                    ParseCase{"LeadingComma", ",25", 0.25},
                    ParseCase{"SurroundingSpaces", "  8,4  ", 8.4}, ParseCase{"PlusSign", "+3", 3},
                    ParseCase{"MinusSign", "-2,5", -2.5}, ParseCase{"Exponent", "1E3", 1000},
                    ParseCase{"LowerExponent", "1,5e-6", 1.5e-6},
                    ParseCase{"SignedExponent", "2e+2", 200},
                    ParseCase{"CommaBeforeExponent", ",e5", 0}, ParseCase{"Underflow", "1E-400", 0},
                    ParseCase{"LongDigits", "000000000000000000000000000001", 1}),
    [](const auto& info) { return info.param.name; });

class StrToFloatRejects : public testing::TestWithParam<ParseCase> {};

TEST_P(StrToFloatRejects, WithTheConversionMessage) {
    const std::string text = GetParam().text;
    try {
        StrToFloat(text);
        FAIL() << "accepted " << text;
    } catch (const CalcError& e) {
        EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, StrToFloatRejects,
    testing::Values(ParseCase{"Empty", "", 0}, ParseCase{"Letters", "abc", 0},
                    ParseCase{"Point", "0.5", 0}, ParseCase{"ExponentWithoutDigits", "5e", 0},
                    ParseCase{"TwoCommas", "1,2,3", 0}, ParseCase{"Tab", "\t5", 0},
                    ParseCase{"OnlySpaces", "   ", 0}, ParseCase{"SignOnly", "-", 0},
                    ParseCase{"InnerSpace", "1 000", 0}, ParseCase{"BeyondDouble", "1E400", 0},
                    ParseCase{"Infinity", "INF", 0}, ParseCase{"ExponentOnly", "e5", 0}),
    [](const auto& info) { return info.param.name; });

struct FormatCase {
    const char* name;
    double value;
    const char* text;
};
std::ostream& operator<<(std::ostream& out, const FormatCase& c) {
    return out << c.name;
}

class FloatToStrFormats : public testing::TestWithParam<FormatCase> {};

TEST_P(FloatToStrFormats, AsTheWindowShows) {
    EXPECT_EQ(FloatToStr(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Notation, FloatToStrFormats,
    testing::Values(FormatCase{"Half", 2.5, "2,5"}, FormatCase{"Whole", 1.0, "1"},
                    FormatCase{"Hundredths", 0.41, "0,41"}, FormatCase{"Zero", 0.0, "0"},
                    FormatCase{"NegativeZero", -0.0, "0"}, FormatCase{"Negative", -21.81, "-21,81"},
                    FormatCase{"FifteenDigits", 0.1 + 0.2, "0,3"},
                    FormatCase{"SmallestFixed", 0.00001, "0,00001"},
                    FormatCase{"BelowFixed", 0.000001, "1E-6"},
                    FormatCase{"SmallScientific", 1.5e-6, "1,5E-6"},
                    FormatCase{"LargestFixed", 999999999999999.0, "999999999999999"},
                    FormatCase{"FirstScientific", 1e15, "1E15"}, FormatCase{"Large", 1e20, "1E20"},
                    FormatCase{"RoundsUpToScientific", 999999999999999.9, "1E15"},
                    FormatCase{"LongFraction", 202.8, "202,8"},
                    FormatCase{"ManyDigits", 1.0 / 3.0, "0,333333333333333"},
                    FormatCase{"HugeNegative", -1.25e300, "-1,25E300"}),
    [](const auto& info) { return info.param.name; });

TEST(FloatToStr, RefusesInfinityAndNaN) {
    EXPECT_THROW(FloatToStr(std::numeric_limits<double>::infinity()), CalcError);
    EXPECT_THROW(FloatToStr(std::nan("")), CalcError);
}

struct RoundCase {
    const char* name;
    double value;
    double rounded;
};
std::ostream& operator<<(std::ostream& out, const RoundCase& c) {
    return out << c.name;
}

class RoundTo2Rounds : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundTo2Rounds, ToHundredthsHalfToEven) {
    EXPECT_EQ(FloatToStr(RoundTo2(GetParam().value)), FloatToStr(GetParam().rounded));
}

INSTANTIATE_TEST_SUITE_P(Hundredths, RoundTo2Rounds,
                         testing::Values(RoundCase{"Torque", 74 * 1.1 / 200, 0.41},
                                         RoundCase{"Exact", 2.5, 2.5},
                                         RoundCase{"HalfDownToEven", 0.125, 0.12},
                                         RoundCase{"HalfUpToEven", 0.375, 0.38},
                                         RoundCase{"Negative", -1.006, -1.01},
                                         RoundCase{"Tiny", 0.004, 0}),
                         [](const auto& info) { return info.param.name; });

TEST(RoundTo2, RefusesQuotientsBeyondSignedRange) {
    for (double x : {1e17, -1e17, std::numeric_limits<double>::infinity(), std::nan("")}) {
        try {
            RoundTo2(x);
            FAIL() << x;
        } catch (const CalcError& e) {
            EXPECT_STREQ(e.what(), "Invalid floating point operation");
        }
    }
    EXPECT_NO_THROW(RoundTo2(9.2e16));
}

TEST(Round, HalvesToEven) {
    EXPECT_EQ(Round(32.5), 32);
    EXPECT_EQ(Round(33.5), 34);
    EXPECT_EQ(Round(59.5), 60);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Trunc(-1.7), -1);
    EXPECT_THROW(Round(1e19), CalcError);
}

TEST(MessageBoxText, AddsAFullStopOnce) {
    EXPECT_EQ(messageBoxText("'abc' is not a valid floating point value"),
              "'abc' is not a valid floating point value.");
    EXPECT_EQ(messageBoxText("Done."), "Done.");
}

} // namespace
} // namespace kavro
