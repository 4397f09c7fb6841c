// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/xlsx_number.h"

#include <gtest/gtest.h>

namespace kavro {
namespace {

TEST(NumberCellText, TheStoredDigitsAsTheWindowWritesThem) {
    struct Case {
        const char* stored;
        const char* text; // nullptr: refused
    };
    const Case cases[] = {
        {"3.35", "3,35"},
        {"1500", "1500"},
        {"1E3", "1000"},
        {"1.5e-3", "0,0015"},
        {"2.5E+1", "25"},
        {"-0", "0"},
        {"-0.000", "0"},
        {"0.1000", "0,1"},
        {"007", "7"},
        {".5", "0,5"},
        {"5.", "5"},
        {"-2.5", "-2,5"},
        {"+4", "4"},
        // Excel's and libxlsxwriter's ways of storing a double they could
        // not write shorter: the tail past 15 digits is the binary's.
        {"3.3500000000000001", "3,35"},
        {"8.800000000000001", "8,8"},
        {"0.30000000000000004", "0,3"},
        {"123456789012345", "123456789012345"},
        {"1234567890123456", "1234567890123460"},
        {"1.234567890123449", "1,23456789012345"},
        {"9.9999999999999995", "10"},
        {"-0.99999999999999999", "-1"},
        {"1.0000000000000004e-5", "0,00001"},
        {"", nullptr},
        {"-", nullptr},
        {".", nullptr},
        {"1e", nullptr},
        {"1,5", nullptr},
        {"1.2.3", nullptr},
        {" 1", nullptr},
        {"INF", nullptr},
        {"NaN", nullptr},
        {"0x10", nullptr},
        {"1E999999999999999999999", nullptr},
        {"1E-999999999999999999999", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        const std::optional<std::string> text = numberCellText(c.stored, 255);
        if (c.text)
            EXPECT_EQ(text, std::optional<std::string>(c.text));
        else
            EXPECT_EQ(text, std::nullopt);
    }
}

// The limit counts every character of the text, the sign and comma too.
TEST(NumberCellText, LengthLimitIsInclusive) {
    EXPECT_EQ(numberCellText("1E4", 5), "10000");
    EXPECT_EQ(numberCellText("1E5", 5), std::nullopt);
    EXPECT_EQ(numberCellText("-1.25", 5), "-1,25");
    EXPECT_EQ(numberCellText("-1.255", 5), std::nullopt);
    EXPECT_EQ(numberCellText("1E-3", 5), "0,001");
    EXPECT_EQ(numberCellText("1E-4", 5), std::nullopt);
    EXPECT_EQ(numberCellText(std::string(300, '9'), 255), std::nullopt);
    const std::string longest = "1" + std::string(254, '0');
    EXPECT_EQ(numberCellText(longest, 255), longest);
    // 255 nines are 1E255 to 15 digits: a digit longer.
    EXPECT_EQ(numberCellText(std::string(255, '9'), 255), std::nullopt);
}

} // namespace
} // namespace kavro
