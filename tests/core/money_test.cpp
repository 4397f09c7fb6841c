// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/money/amount_in_words.h"
#include "core/money/money.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace kavro {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

TEST(AmountInWords, NamesTheNumberAndBendsTheNouns) {
    const struct {
        std::int64_t kopecks;
        const char* words;
    } rows[] = {
        {0, "Ноль рублей 00 копеек"},
        {1, "Ноль рублей 01 копейка"},
        {102, "Один рубль 02 копейки"},
        {205, "Два рубля 05 копеек"},
        {511, "Пять рублей 11 копеек"},
        {1112, "Одиннадцать рублей 12 копеек"},
        {1221, "Двенадцать рублей 21 копейка"},
        {2114, "Двадцать один рубль 14 копеек"},
        {11100, "Сто одиннадцать рублей 00 копеек"},
        {100000, "Одна тысяча рублей 00 копеек"},
        {200000, "Две тысячи рублей 00 копеек"},
        {1100000, "Одиннадцать тысяч рублей 00 копеек"},
        {2100000, "Двадцать одна тысяча рублей 00 копеек"},
        {1234567, "Двенадцать тысяч триста сорок пять рублей 67 копеек"},
        {100000000, "Один миллион рублей 00 копеек"},
        {200200000, "Два миллиона две тысячи рублей 00 копеек"},
        {kMax, "Девяносто два квадриллиона двести тридцать три триллиона семьсот двадцать "
               "миллиардов триста шестьдесят восемь миллионов пятьсот сорок семь тысяч семьсот "
               "пятьдесят восемь рублей 07 копеек"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(amountInWords(Money{row.kopecks}), row.words) << row.kopecks;
}

TEST(Money, SumsThatDoNotFitAreRefusedNotWrapped) {
    EXPECT_EQ(addMoney({kMax - 1}, {1}), Money{kMax});
    EXPECT_THROW(addMoney({kMax}, {1}), MoneyOverflow);
    EXPECT_EQ(multiplyMoney({kMax / 3}, 3), Money{kMax / 3 * 3});
    EXPECT_THROW(multiplyMoney({kMax / 3 + 1}, 3), MoneyOverflow);
    EXPECT_THROW(subtractMoney({std::numeric_limits<std::int64_t>::min()}, {1}), MoneyOverflow);
}

TEST(Money, SharesRoundAHalfKopeckAwayFromZero) {
    const struct {
        std::int64_t amount;
        std::int64_t rateHundredths;
        std::int64_t discount; // percentOf
        std::int64_t tax;      // includedTax
    } rows[] = {
        {50, 100, 1, 0},                   // 0,5 kopeck up; 50 × 1/101 = 0,495 down
        {49, 100, 0, 0},                   // 0,49 down
        {101, 100, 1, 1},                  // 1,01 down; 101 × 1/101 = 1 exactly
        {-50, 100, -1, 0},                 // a half away from zero below zero too
        {12000, 2000, 2400, 2000},         // 120 ₽ with 20 % tax holds exactly 20 ₽
        {1, 5000, 1, 0},                   // 0,5 kopeck → 1; 1 × 50/150 = 0,33 → 0
        {3, 5000, 2, 1},                   // 1,5 → 2; 3 × 1/3 = 1
        {kMax, 10000, kMax, kMax / 2 + 1}, // no overflow inside the product
    };
    for (const auto& row : rows) {
        EXPECT_EQ(percentOf({row.amount}, {row.rateHundredths}), Money{row.discount}) << row.amount;
        EXPECT_EQ(includedTax({row.amount}, {row.rateHundredths}), Money{row.tax}) << row.amount;
    }
}

TEST(Money, ReadsPricesAsSpreadsheetsWriteThem) {
    const struct {
        const char* text;
        std::optional<std::int64_t> kopecks; // none: refused
    } rows[] = {
        {"1234", 123400},
        {"1234,5", 123450},
        {"1 234,50", 123450},
        {"1\xC2\xA0"
         "234,50",
         123450},
        {"1\xE2\x80\xAF"
         "234",
         123400},
        {"  7,05 ", 705},
        {"0", 0},
        {"1 234 567,89", 123456789},
        {"92233720368547758,07", kMax},
        {"92233720368547758,08", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"-5", std::nullopt},
        {"", std::nullopt},
        {"12 34", std::nullopt},
        {"1234 567", std::nullopt},
        {"1 2345", std::nullopt},
        {"1,234", std::nullopt},
        {"1.5", std::nullopt},
        {"1,", std::nullopt},
        {",5", std::nullopt},
        {"12р", std::nullopt},
    };
    for (const auto& row : rows) {
        const auto parsed = parsePrice(row.text);
        if (row.kopecks)
            EXPECT_EQ(std::get<Money>(parsed), Money{*row.kopecks}) << row.text;
        else
            EXPECT_TRUE(std::holds_alternative<std::string>(parsed)) << row.text;
    }
}

TEST(Money, WritesAmountsBothForPapersAndForSpreadsheets) {
    EXPECT_EQ(moneyText({123456789}), "1\xC2\xA0"
                                      "234\xC2\xA0"
                                      "567,89");
    EXPECT_EQ(moneyText({100000}), "1\xC2\xA0"
                                   "000,00");
    EXPECT_EQ(moneyText({99999}), "999,99");
    EXPECT_EQ(plainMoneyText({-705}), "-7,05");
    EXPECT_EQ(plainMoneyText({std::numeric_limits<std::int64_t>::min()}), "-92233720368547758,08");
    EXPECT_EQ(percentText({2000}), "20");
    EXPECT_EQ(percentText({250}), "2,5");
    EXPECT_EQ(percentText({1205}), "12,05");
}

TEST(Money, ReadsRatesUpToAHundredPerCent) {
    EXPECT_EQ(std::get<Percent>(parsePercent("100")), Percent{10000});
    EXPECT_EQ(std::get<Percent>(parsePercent("2,5")), Percent{250});
    EXPECT_TRUE(std::holds_alternative<std::string>(parsePercent("100,01")));
    EXPECT_TRUE(std::holds_alternative<std::string>(parsePercent("-1")));
}

} // namespace
} // namespace kavro
