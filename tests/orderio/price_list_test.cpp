// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "orderio/price_list.h"
#include "report/temp_folder.h"

#include <gtest/gtest.h>

namespace kavro {
namespace {

TEST(PriceList, ReadsEitherSeparatorAnyColumnOrderAndTheNameOptional) {
    const PriceList semicolon =
        importPriceList("\xEF\xBB\xBF"
                        "Цена, руб.;Артикул\r\n1 234,5;A1\r\n;\r\n7;B2\r\n");
    ASSERT_TRUE(semicolon.errors.empty()) << describe(semicolon.errors.front());
    EXPECT_EQ(semicolon.articles.at("A1"), (PricedArticle{Money{123450}, ""}));
    EXPECT_EQ(semicolon.articles.at("B2"), (PricedArticle{Money{700}, ""}));
    const PriceList comma =
        importPriceList("Артикул,Наименование,\"Цена, руб.\"\nA1,Привод,\"0,05\"\n");
    ASSERT_TRUE(comma.errors.empty()) << describe(comma.errors.front());
    EXPECT_EQ(comma.articles.at("A1"), (PricedArticle{Money{5}, "Привод"}));
}

// Every fault with its row; one fault anywhere and nothing is taken.
TEST(PriceList, AListWithAnyFaultTakesNothing) {
    const struct {
        const char* text;
        std::string error;
    } rows[] = {
        {"Артикул;Цена, руб.\nA;1\nB;-5\n",
         "строка 3, столбец «Цена, руб.»: цена «-5»: отрицательное число"},
        {"Артикул;Цена, руб.\nA;1\nA;2\n",
         "строка 3, столбец «Артикул»: артикул A уже указан в строке 2"},
        {"Артикул;Цена, руб.\nA;1\nB;\n", "строка 3, столбец «Цена, руб.»: цена «»: пусто"},
        {"Артикул;Цена, руб.\nA;1,234\n",
         "строка 2, столбец «Цена, руб.»: цена «1,234»: больше двух знаков после запятой"},
        {"Артикул;Цена, руб.\n;5\n", "строка 2, столбец «Артикул»: пустой артикул"},
        {"Артикул;Цена\nA;1\n", "строка 1: «Цена»: неизвестный столбец (опечатка в названии?)"},
        {"Артикул;Наименование\nA;x\n", "строка 1: нет столбца «Цена, руб.»"},
        {"Артикул;Цена, руб.\nA;1;x\n", "строка 2: ячейка 3 правее последнего столбца"},
        {"Артикул;Цена, руб.\n\"A;1\n", "строка 2: "},
        {"", "файл пуст: нет строки с названиями столбцов"},
    };
    for (const auto& row : rows) {
        const PriceList list = importPriceList(row.text);
        EXPECT_TRUE(list.articles.empty()) << row.text;
        ASSERT_FALSE(list.errors.empty()) << row.text;
        EXPECT_TRUE(describe(list.errors.front()).starts_with(row.error))
            << describe(list.errors.front());
    }
}

TEST(PriceList, TheExampleReads) {
    const PriceList list =
        importPriceList(test::fileText(std::filesystem::path(KAVRO_EXAMPLES) / "prices.csv"));
    ASSERT_TRUE(list.errors.empty()) << describe(list.errors.front());
    EXPECT_EQ(list.articles.size(), 16u);
    EXPECT_EQ(list.articles.at("4100002").price, Money{1899050});
}

} // namespace
} // namespace kavro
