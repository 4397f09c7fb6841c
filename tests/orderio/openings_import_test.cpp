// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/order/order.h"
#include "orderio/openings_import.h"

#include <gtest/gtest.h>

namespace kavro {
namespace {

std::string joined(std::initializer_list<std::string_view> lines, std::string_view end) {
    std::string text;
    for (const std::string_view line : lines)
        text += std::string(line) + std::string(end);
    return text;
}

// One spreadsheet written four ways; the separator, the byte-order mark and
// the line ends must not change what is read.
TEST(OpeningsImport, SeparatorMarkAndLineEndsDoNotMatter) {
    Opening expected;
    expected.location = "Кухня";
    expected.count = 2;
    expected.inputs.thickness = "2,5";
    expected.inputs.height = "1500";
    expected.inputs.crank = true;
    expected.inputs.shaft = "60";
    const std::string semicolons = joined({"Проём;Количество;Толщина профиля, мм;Высота полотна, "
                                           "мм;Диаметр вала, мм;Аварийный подъем NHK",
                                           "Кухня;2;2,5;1500;60;да"},
                                          "\r\n");
    const std::string commas = joined(
        {"Проём,Количество,\"Толщина профиля, мм\",\"Высота полотна, мм\",\"Диаметр вала, мм\","
         "Аварийный подъем NHK",
         "Кухня,2,\"2,5\",1500,60,да"},
        "\n");
    struct Variant {
        const char* name;
        std::string text;
    };
    const Variant variants[] = {
        {"SemicolonCrLf", semicolons},
        {"SemicolonCrLfWithMark", "\xEF\xBB\xBF" + semicolons},
        {"CommaLf", commas},
        {"CommaLfWithMark", "\xEF\xBB\xBF" + commas},
    };
    for (const Variant& v : variants) {
        SCOPED_TRACE(v.name);
        const OpeningsImport result = importOpenings(v.text);
        ASSERT_TRUE(result.errors.empty()) << describe(result.errors.front());
        ASSERT_EQ(result.openings.size(), 1u);
        EXPECT_EQ(result.openings[0], expected);
    }
}

TEST(OpeningsImport, QuotedCellKeepsSeparatorDoubledQuoteAndSpaces) {
    const OpeningsImport result =
        importOpenings("Проём;Количество\n\" Кухня; \"\"левая\"\" \";3\n");
    ASSERT_EQ(result.openings.size(), 1u);
    EXPECT_EQ(result.openings[0].location, " Кухня; \"левая\" ");
    EXPECT_EQ(result.openings[0].count, 3);
}

TEST(OpeningsImport, OneColumnSheetTakesTheSemicolon) {
    const OpeningsImport result = importOpenings("Проём\r\nКухня, левая\r\n");
    ASSERT_EQ(result.openings.size(), 1u);
    EXPECT_EQ(result.openings[0].location, "Кухня, левая");
}

TEST(OpeningsImport, MissingColumnsAndEmptyCellsTakeStartValuesBlankRowsAreNoOpenings) {
    const OpeningsImport result =
        importOpenings("Проём;Монтаж;Привод\n;;\nГараж;;\n\n;В помещении;\n");
    ASSERT_TRUE(result.errors.empty());
    ASSERT_EQ(result.openings.size(), 2u);
    Opening garage;
    garage.location = "Гараж";
    EXPECT_EQ(result.openings[0], garage);
    EXPECT_EQ(result.openings[1].inputs.mounting, 1);
    EXPECT_EQ(result.rows, (std::vector<int>{3, 4}));
}

TEST(OpeningsImport, ProfileTypeBringsTheCataloguesThicknessAndWeight) {
    const OpeningsImport result = importOpenings(
        "Профиль;Тип профиля;Толщина профиля, мм\nAlutech;AR/40;\nAlutech;AR/40;9\n");
    ASSERT_TRUE(result.errors.empty()) << describe(result.errors.front());
    for (const Opening& opening : result.openings) {
        EXPECT_EQ(opening.inputs.thickness, "9");
        EXPECT_EQ(opening.inputs.specificWeight, "3,35");
    }
}

TEST(OpeningsImport, CountBoundsAreInclusive) {
    const OpeningsImport result = importOpenings("Количество\n1\n999\n");
    ASSERT_EQ(result.openings.size(), 2u);
    EXPECT_EQ(result.openings[1].count, 999);
}

struct BadCell {
    const char* name;
    std::string column;
    std::string cell;
    std::string message;
};

class BadCellImport : public ::testing::TestWithParam<BadCell> {};

// Each bad cell is reported with its row and column, and nothing comes in.
TEST_P(BadCellImport, IsReportedAndNothingIsImported) {
    const BadCell& c = GetParam();
    const OpeningsImport result = importOpenings("Проём;Профиль;" + c.column +
                                                 "\nХолл;Alutech;\nКухня;Alutech;" + c.cell + "\n");
    EXPECT_TRUE(result.openings.empty());
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_EQ(result.errors[0].row, 3);
    EXPECT_EQ(result.errors[0].column, c.column);
    EXPECT_NE(result.errors[0].message.find(c.message), std::string::npos)
        << result.errors[0].message;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadCellImport,
    ::testing::Values(
        BadCell{"CountZero", "Количество", "0", "от 1 до 999"},
        BadCell{"CountThousand", "Количество", "1000", "от 1 до 999"},
        BadCell{"CountWithComma", "Количество", "2,0", "от 1 до 999"},
        BadCell{"DecimalPoint", "Высота полотна, мм", "1500.5", "не более одной запятой"},
        BadCell{"TwoCommas", "Ширина полотна, мм", "1,2,3", "не более одной запятой"},
        BadCell{"TypeOfAnotherMaker", "Тип профиля", "RH39", "нет типа «RH39»"},
        BadCell{"UnknownMounting", "Монтаж", "На крыше", "есть «Уличный», «В помещении»"},
        BadCell{"CrankInEnglish", "Аварийный подъем NHK", "yes", "«да» или «нет»"},
        BadCell{"AccessoryWithoutQuantity", "Аксессуары", "4200001", "АРТИКУЛ:КОЛИЧЕСТВО"},
        BadCell{"AccessoryQuantityThousand", "Аксессуары", "4200001:1000", "от 0 до 999"},
        BadCell{"AccessoryTwice", "Аксессуары", "4200001:1  4200001:0", "указан дважды"},
        BadCell{"DriveWithTab", "Привод", "KX\t60", "управляющий символ"}),
    [](const auto& info) { return std::string(info.param.name); });

// Faults of the names row, of a whole row and of the file.
TEST(OpeningsImport, EveryFaultIsReportedWithItsPlace) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<CsvCellError> errors;
    };
    const Case cases[] = {
        {"HeaderTypo",
         "Проём;Высота полотна,мм\nКухня;1500\n",
         {{1, "", "«Высота полотна,мм»: неизвестный столбец (опечатка в названии?)", 2}}},
        {"RepeatedColumn", "Проём;Проём\n", {{1, "", "«Проём»: столбец назван дважды", 2}}},
        {"TwoBadRowsBothReported",
         "Проём;Количество\nА;0\nБ;1\nВ;x\n",
         {{2, "Количество", "«0»: нужно целое число от 1 до 999", 2},
          {4, "Количество", "«x»: нужно целое число от 1 до 999", 2}}},
        {"CellRightOfTheLastColumn",
         "Проём\nА;;x\n",
         {{2, "", "ячейка 3 правее последнего столбца", 3}}},
        {"UnclosedQuote", "Проём\nА\n\"Б\n", {{3, "", "кавычка ячейки не закрыта до конца файла"}}},
        {"CatalogueThicknessContradicted",
         "Профиль;Тип профиля;Толщина профиля, мм\nAlutech;AR/40;8\n",
         {{2, "Толщина профиля, мм", "«8»: у типа «AR/40» это «9» (задаётся каталогом)", 3}}},
        {"Empty", "\xEF\xBB\xBF", {{0, "", "файл пуст: нет строки с названиями столбцов"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const OpeningsImport result = importOpenings(c.text);
        EXPECT_EQ(result.errors, c.errors);
        EXPECT_TRUE(result.openings.empty());
    }
}

TEST(OpeningsImport, RowLimitIsInclusive) {
    std::string text = "Проём\n";
    for (std::size_t i = 0; i < Order::kMaxOpenings; ++i)
        text += "x\n";
    EXPECT_EQ(importOpenings(text).openings.size(), Order::kMaxOpenings);
    text += "x\n";
    const OpeningsImport refused = importOpenings(text);
    EXPECT_TRUE(refused.openings.empty());
    ASSERT_EQ(refused.errors.size(), 1u);
    EXPECT_EQ(refused.errors[0].row, static_cast<int>(Order::kMaxOpenings) + 2);
}

} // namespace
} // namespace kavro
