// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/order/opening_calculator.h"
#include "orderio/openings_export.h"
#include "orderio/openings_import.h"
#include "report/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace kavro {
namespace {

OpeningResults narrowResults() {
    OpeningResults results;
    results.mass = "1,3";
    results.torque = "2,02";
    results.turns = "13";
    results.maxRoll = "95,5";
    results.time = "0 мин. 56 сек.";
    results.speed = "14";
    results.narrow = true;
    results.driveArticle = "KX40-5/14";
    results.driveName = "Привод KX 40; 5 Нм";
    return results;
}

TEST(OpeningsExport, WritesInputsDriveInEffectAndResultsForARussianSpreadsheet) {
    Opening opening;
    opening.location = "Кухня \"левая\"";
    opening.inputs.width = "600";
    opening.accessories = {{"4200001", 2}, {"4200003", 0}};
    const std::string text =
        exportOpenings({.title = "", .openings = {opening}}, {narrowResults()});
    const std::string expected =
        "\xEF\xBB\xBF"
        "Проём;Количество;Профиль;Тип профиля;Толщина профиля, мм;Удельный вес, кг/м2;"
        "Диаметр вала, мм;Высота полотна, мм;Ширина полотна, мм;Профиль концевой, кг/п.м.;"
        "Монтаж;Управление;Крепление;Аварийный подъем NHK;Привод;Аксессуары;"
        "Общая масса, кг;Вращающий момент, Нм;Количество оборотов;Макс. диаметр, мм;"
        "Время работы;Скорость, об/мин;Наименование привода;Предупреждение\r\n"
        "\"Кухня \"\"левая\"\"\";1;Другой;;2;1;40;2000;600;0,5;Уличный;Проводное PX;С ригелем;нет;"
        "KX40-5/14;4200001:2 4200003:0;1,3;2,02;13;95,5;0 мин. 56 сек.;14;"
        "\"Привод KX 40; 5 Нм\";"
        "Узкая конструкция. Для консультации свяжитесь с сотрудником компании!\r\n";
    EXPECT_EQ(text, expected);
}

// An export comes back as the same openings, the drive in effect now named.
TEST(OpeningsExport, ImportOfTheExportGivesTheSameOpenings) {
    Opening garage;
    garage.location = "Гараж; ворота";
    garage.count = 999;
    garage.inputs = {.profile = "DoorHan",
                     .profileType = "RH39",
                     .shaft = "60",
                     .thickness = "7",
                     .height = "2400",
                     .width = "3000,5",
                     .specificWeight = "2,11",
                     .endProfile = ",5",
                     .mounting = 1,
                     .control = 1,
                     .fixing = 2,
                     .crank = true};
    garage.accessories = {{"4200006", 1}};
    const Order order{.title = "", .openings = {Opening{}, garage}};
    const OpeningsImport back =
        importOpenings(exportOpenings(order, {narrowResults(), narrowResults()}));
    ASSERT_TRUE(back.errors.empty()) << describe(back.errors.front());
    Order expected = order;
    for (Opening& opening : expected.openings)
        opening.drive = "KX40-5/14";
    EXPECT_EQ(back.openings, expected.openings);
}

// A location a spreadsheet would run as a formula is written as text, and
// comes back as it was; a plain negative number is left a number.
TEST(OpeningsExport, FormulaLikeTextIsWrittenAsTextAndReadBack) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\";"},
        {"@SUM(A1)", "'@SUM(A1);"},
        {"'в кавычке", "''в кавычке;"},
        {"-2,5", "-2,5;"},
        {"- левое", "'- левое;"}};
    for (const auto& [location, written] : cases) {
        SCOPED_TRACE(location);
        Opening opening;
        opening.location = location;
        const std::string text = exportOpenings({.title = "", .openings = {opening}},
                                                {OpeningCalculator::compute(opening)});
        EXPECT_NE(text.find("\r\n" + written), std::string::npos) << text;
        const OpeningsImport back = importOpenings(text);
        ASSERT_TRUE(back.errors.empty());
        ASSERT_EQ(back.openings.size(), 1u);
        EXPECT_EQ(back.openings[0].location, location);
    }
}

TEST(OpeningsExport, ArticleWithASpaceIsRefusedRatherThanSplit) {
    Opening opening;
    opening.accessories = {{"42 001", 1}};
    EXPECT_THROW(exportOpenings({.title = "", .openings = {opening}}, {OpeningResults{}}),
                 CsvExportError);
}

std::vector<OpeningResults> computed(const std::vector<Opening>& openings) {
    std::vector<OpeningResults> results;
    for (const Opening& opening : openings)
        results.push_back(OpeningCalculator::compute(opening));
    return results;
}

// The example spreadsheet through the calculator, out and in again: the
// same openings, the same results, the same export to the byte.
TEST(OpeningsExport, ExampleComesBackWithTheSameResults) {
    const std::string example = test::fileText(KAVRO_EXAMPLES "/house.csv");
    const OpeningsImport first = importOpenings(example);
    ASSERT_TRUE(first.errors.empty());
    const std::vector<OpeningResults> results = computed(first.openings);
    const std::string exported = exportOpenings({.title = "", .openings = first.openings}, results);

    const OpeningsImport second = importOpenings(exported);
    ASSERT_EQ(second.openings.size(), first.openings.size());
    for (std::size_t i = 0; i < first.openings.size(); ++i) {
        Opening expected = first.openings[i];
        expected.drive = results[i].driveArticle;
        EXPECT_EQ(second.openings[i], expected) << i;
    }
    EXPECT_EQ(computed(second.openings), results);
    EXPECT_EQ(exportOpenings({.title = "", .openings = second.openings}, results), exported);
}

TEST(PartsListExport, WritesTotalsAndOpeningNumbers) {
    const std::vector<PartsListLine> parts = {
        {.article = "KX40-5/14", .name = "Привод; 5 Нм", .quantity = 1998, .openings = {1, 3}},
        {.article = "4200001", .name = "Адаптер", .quantity = 4, .openings = {2}},
    };
    EXPECT_EQ(exportPartsList(parts), "\xEF\xBB\xBF"
                                      "Артикул;Наименование;Количество;Проёмы\r\n"
                                      "KX40-5/14;\"Привод; 5 Нм\";1998;1, 3\r\n"
                                      "4200001;Адаптер;4;2\r\n");
}

} // namespace
} // namespace kavro
