// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc_error.h"
#include "core/text/number_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace kavro {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(StrToFloat, ReadsTheDecimalCommaGrammarAndRejectsTheRest) {
    const struct {
        const char* name;
        const char* text;
        std::optional<double> value; // none: rejected
    } rows[] = {
        {"decimal comma", "0,5", 0.5},
        {"lone comma", ",", 0},
        {"trailing comma", "0,", 0},
        {"leading comma", ",25", 0.25},
        {"surrounding spaces", "  8,4  ", 8.4},
        {"minus sign", "-2,5", -2.5},
        {"plus sign", "+3", 3},
        {"long digits", "000000000000000000000000000001", 1},
        {"signed exponent", "1,5e-6", 1.5e-6},
        {"comma before exponent", ",e5", 0},
        {"underflow reads as zero", "1E-400", 0},
        {"largest double", "1,7976931348623157e308", 1.7976931348623157e308},
        {"comma far left of exponent", "0,0000017976931348623157e314", 1.7976931348623157e308},
        {"smallest subnormal", "4,9406564584124654e-324", 4.9406564584124654e-324},
        {"below half the smallest subnormal", "2e-324", 0},
        {"exponent past twelve digits, negative", "5e-0000000000000000001", 0.5},
        {"huge negative exponent", "7e-99999999999999999999", 0},
        {"zero with huge exponent", "0,000e99999999999999999999", 0},
        {"nearest of two doubles", "0,1000000000000000055511151231257827", 0.1},
        // Where one multiplication or division by a power of ten would
        // round twice: past 1e22, or past 15 significant digits.
        {"power of ten past 1e22", "3e23", 3e23},
        {"power of ten below 1e-22", "1e-23", 1e-23},
        {"fifteen digits over 1e22", "123456789012345e-22", 123456789012345e-22},
        {"sixteen digits past 2^53", "90071992547409,93", 90071992547409.93},
        {"seventeen digits", "0,12345678901234567", 0.12345678901234567},
        {"empty", "", std::nullopt},
        {"point", "0.5", std::nullopt},
        {"exponent without digits", "5e", std::nullopt},
        {"second comma", "1,2,3", std::nullopt},
        {"tab is no space", "\t5", std::nullopt},
        {"only spaces", "   ", std::nullopt},
        {"sign only", "-", std::nullopt},
        {"inner space", "1 000", std::nullopt},
        {"beyond double", "1E400", std::nullopt},
        {"just past the largest double", "1,7976931348623159e308", std::nullopt},
        {"huge positive exponent", "1e99999999999999999999", std::nullopt},
        {"infinity", "INF", std::nullopt}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.value) {
            EXPECT_EQ(StrToFloat(row.text), *row.value);
            continue;
        }
        try {
            StrToFloat(row.text);
            ADD_FAILURE() << "accepted";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.what(),
                      "'" + std::string(row.text) + "' is not a valid floating point value");
        }
    }
}

// 15 significant digits, fixed notation from 0.00001 up to below 1e15.
TEST(FloatToStr, FormatsAsTheWindowShows) {
    const struct {
        double value;
        const char* text;
    } rows[] = {{2.5, "2,5"},
                {0.0, "0"},
                {-0.0, "0"},
                {-21.81, "-21,81"},
                {0.1 + 0.2, "0,3"},
                {0.00001, "0,00001"},
                {0.000001, "1E-6"},
                {1.5e-6, "1,5E-6"},
                {999999999999999.0, "999999999999999"},
                {1e15, "1E15"},
                {999999999999999.9, "1E15"},
                {1.0 / 3.0, "0,333333333333333"},
                {-1.25e300, "-1,25E300"}};
    for (const auto& row : rows)
        EXPECT_EQ(FloatToStr(row.value), row.text);
    EXPECT_THROW(FloatToStr(kInf), CalcError);
    EXPECT_THROW(FloatToStr(std::nan("")), CalcError);
}

TEST(Rounding, HalvesGoToEvenAndHugeValuesFail) {
    const struct {
        double value;
        const char* hundredths;
    } rows[] = {{74 * 1.1 / 200, "0,41"}, {0.125, "0,12"}, {0.375, "0,38"}, {-1.006, "-1,01"}};
    for (const auto& row : rows)
        EXPECT_EQ(FloatToStr(RoundTo2(row.value)), row.hundredths) << row.value;
    EXPECT_EQ(Round(32.5), 32);
    EXPECT_EQ(Round(33.5), 34);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Trunc(-1.7), -1);
    EXPECT_NO_THROW(RoundTo2(9.2e16)); // the quotient still fits 64 bits
    for (double x : {1e17, -1e17, kInf, std::nan("")})
        EXPECT_THROW(RoundTo2(x), CalcError) << x;
    EXPECT_THROW(Round(1e19), CalcError);
}

TEST(MessageBoxText, AddsAFullStopOnce) {
    EXPECT_EQ(messageBoxText("'abc' is not a valid floating point value"),
              "'abc' is not a valid floating point value.");
    EXPECT_EQ(messageBoxText("Done."), "Done.");
}

} // namespace
} // namespace kavro
