// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/temp_folder.h"
#include "sheets/xlsx_export.h"
#include "sheets/xlsx_sheet.h"
#include "zip/zip_archive.h"

#include <gtest/gtest.h>

namespace kavro {
namespace {

std::string part(const std::string& workbook, std::string_view name) {
    const auto entries = readZip(workbook, ZipLimits{});
    if (!entries)
        return {};
    for (const ZipEntry& entry : *entries)
        if (entry.name == name)
            return entry.bytes;
    return {};
}

const SheetTable kTable{.sheetName = "Проёмы",
                        .names = {"Проём", "Высота полотна, мм"},
                        .numbers = {false, true},
                        .rows = {
                            {"12", "2,5"},
                            {"Кухня", "2,50"},
                            {"=A1", "007"},
                            {"", "1234567890,123456"},
                            {"", "1234567890,12345"},
                            {"", "нет"},
                            {"", "8,8"},
                        }};

TEST(WorkbookExport, ReadsBackAsTheSameTexts) {
    const test::TempFolder folder;
    const std::string book = workbookBytes(kTable, folder.path());
    SheetRows back = readFirstWorksheet(book, SheetLimits{});
    ASSERT_TRUE(back.errors.empty()) << back.errors.front().message;
    std::vector<CsvRow> expected = {kTable.names};
    expected.insert(expected.end(), kTable.rows.begin(), kTable.rows.end());
    EXPECT_EQ(back.rows, expected);
    // Nothing is left beside the target.
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(WorkbookExport, ANumberColumnHoldsNumbersWhereTheyComeBackExact) {
    const test::TempFolder folder;
    const std::string sheet =
        part(workbookBytes(kTable, folder.path()), "xl/worksheets/sheet1.xml");
    const struct {
        const char* cell;
        bool number;
    } cases[] = {
        {"A2", false},                // a text column, though it reads as a number
        {"B2", true},  {"B3", false}, // "2,50" would come back as "2,5"
        {"B4", false},                // "007" as "7"
        {"B5", false},                // sixteen digits a double does not keep
        {"B6", true},                 // fifteen it does
        {"B7", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        const std::size_t at = sheet.find("<c r=\"" + std::string(c.cell) + "\"");
        ASSERT_NE(at, std::string::npos);
        const std::string cell = sheet.substr(at, sheet.find("</c>", at) - at);
        EXPECT_EQ(cell.find("t=\"s\"") == std::string::npos, c.number) << cell;
    }
    // The shortest digits that give the same double, not 8.800000000000001,
    // which a program that does not round to 15 digits would read as such.
    EXPECT_NE(sheet.find("<c r=\"B8\"><v>8.8</v></c>"), std::string::npos);
    EXPECT_NE(sheet.find("state=\"frozen\""), std::string::npos);
    EXPECT_NE(part(workbookBytes(kTable, folder.path()), "xl/styles.xml").find("<b/>"),
              std::string::npos);
}

// Amounts of money are numbers shown with two decimals ("2,50" too, which a
// plain number column keeps as text); other texts stay texts, and so does
// an amount of 16 digits, which a double does not hold to the kopeck.
TEST(WorkbookExport, AMoneyColumnHoldsAmountsAsNumbers) {
    const SheetTable money{
        .sheetName = "КП",
        .names = {"Сумма, руб."},
        .numbers = {false},
        .money = {true},
        .rows = {{"2,50"}, {"-308,64"}, {"нет цены"}, {"9999999999999,99"}, {"10000000000000,00"}}};
    const test::TempFolder folder;
    const std::string sheet = part(workbookBytes(money, folder.path()), "xl/worksheets/sheet1.xml");
    const struct {
        const char* cell;
        const char* value; // nullptr: a text
    } cases[] = {{"A2", "2.5"},
                 {"A3", "-308.64"},
                 {"A4", nullptr},
                 {"A5", "9999999999999.99"},
                 {"A6", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        const std::size_t at = sheet.find("<c r=\"" + std::string(c.cell) + "\"");
        ASSERT_NE(at, std::string::npos);
        const std::string cell = sheet.substr(at, sheet.find("</c>", at) - at);
        if (c.value)
            EXPECT_NE(cell.find("<v>" + std::string(c.value) + "</v>"), std::string::npos) << cell;
        else
            EXPECT_NE(cell.find("t=\"s\""), std::string::npos) << cell;
    }
}

TEST(WorkbookExport, AFolderThatCannotBeWrittenIsAnError) {
    EXPECT_THROW(workbookBytes(kTable, "/nonexistent/folder"), WorkbookError);
}

} // namespace
} // namespace kavro
