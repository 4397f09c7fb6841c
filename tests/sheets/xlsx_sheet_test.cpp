// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheets/openings_workbook.h"
#include "sheets/xlsx_sheet.h"
#include "zip/zip_archive.h"

#include <gtest/gtest.h>

namespace kavro {
namespace {

constexpr std::string_view kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view kRel =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// A workbook as a spreadsheet program packs one: the sheet's rows, and the
// shared strings and cell styles it refers to.
std::string workbook(const std::string& rows, const std::string& strings = "",
                     const std::string& styles = "") {
    const std::string ns = std::string(kMain);
    const std::string rel = std::string(kRel);
    const std::string root =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"" +
        rel +
        "/officeDocument\" Target=\"xl/workbook.xml\"/>"
        "</Relationships>";
    const std::string book =
        "<workbook xmlns=\"" + ns + "\" xmlns:r=\"" + rel +
        "\"><sheets><sheet name=\"Лист1\" sheetId=\"1\" r:id=\"rId7\"/>"
        "<sheet name=\"Лист2\" sheetId=\"2\" r:id=\"rId8\"/></sheets></workbook>";
    const std::string bookRels =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId8\" Type=\"" +
        rel +
        "/worksheet\" Target=\"worksheets/sheet2.xml\"/>"
        "<Relationship Id=\"rId7\" Type=\"" +
        rel +
        "/worksheet\" Target=\"/xl/worksheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId2\" Type=\"" +
        rel +
        "/sharedStrings\" Target=\"sharedStrings.xml\"/>"
        "<Relationship Id=\"rId3\" Type=\"" +
        rel +
        "/styles\" Target=\"styles.xml\"/>"
        "</Relationships>";
    const std::string sheet =
        "<worksheet xmlns=\"" + ns + "\"><sheetData>" + rows + "</sheetData></worksheet>";
    const std::string other = "<worksheet xmlns=\"" + ns +
                              "\"><sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>"
                              "второй лист</t></is></c></row></sheetData></worksheet>";
    const std::string sst = "<sst xmlns=\"" + ns + "\">" + strings + "</sst>";
    const std::string style = "<styleSheet xmlns=\"" + ns + "\">" + styles + "</styleSheet>";
    return writeZip({{"_rels/.rels", root},
                     {"xl/workbook.xml", book},
                     {"xl/_rels/workbook.xml.rels", bookRels},
                     {"xl/worksheets/sheet1.xml", sheet},
                     {"xl/worksheets/sheet2.xml", other},
                     {"xl/sharedStrings.xml", sst},
                     {"xl/styles.xml", style}});
}

// Style 0 general, 1 a built-in date, 2 a date of its own, 3 a number
// format with "d" only inside quotes and brackets.
const std::string kStyles =
    "<numFmts><numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\"/>"
    "<numFmt numFmtId=\"165\" formatCode=\"[Red]0.00&quot; d&quot;\"/></numFmts>"
    "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/><xf numFmtId=\"164\"/>"
    "<xf numFmtId=\"165\"/></cellXfs>";

TEST(FirstWorksheet, EveryKindOfCellBecomesTheWindowsText) {
    const std::string rows =
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>1</v></c><c r=\"C1\" t=\"s\"><v>0</v></c></row>"
        "<row r=\"3\"><c r=\"A3\"><v>3.35</v></c><c r=\"B3\" t=\"b\"><v>1</v></c>"
        "<c r=\"C3\" t=\"b\"><v>0</v></c><c r=\"D3\" t=\"inlineStr\"><is><t>в строке</t></is></c>"
        "<c r=\"E3\" t=\"str\"><f>A1&amp;\"\"</f><v>формула</v></c>"
        "<c r=\"F3\"><f>1+1</f><v>2</v></c><c r=\"G3\" s=\"3\"><v>1E3</v></c>"
        "<c r=\"H3\" s=\"1\"/><c r=\"I3\" t=\"n\"><v>-0</v></c>"
        "<c r=\"J3\" t=\"inlineStr\"><is><t>\xFF\xD0\xB1</t></is></c></row>";
    const std::string strings = "<si><t>Проём</t></si>"
                                "<si><r><t>Ку</t></r><rPh><t>x</t></rPh><r><t>хня</t></r></si>";
    const SheetRows sheet = readFirstWorksheet(workbook(rows, strings, kStyles), SheetLimits{});
    ASSERT_TRUE(sheet.errors.empty()) << sheet.errors.front().message;
    const std::vector<CsvRow> expected = {
        {"Кухня", "", "Проём"},
        {},
        {"3,35", "да", "нет", "в строке", "формула", "2", "1000", "", "0", "\uFFFDб"},
    };
    EXPECT_EQ(sheet.rows, expected);
}

TEST(FirstWorksheet, CellsItCannotTakeAreRefusedWithTheirAddress) {
    struct Case {
        const char* name;
        std::string cell; // placed at B2
        std::string fault;
    };
    const Case cases[] = {
        {"Error", "<c r=\"B2\" t=\"e\"><v>#DIV/0!</v></c>", "ошибка в ячейке «#DIV/0!»"},
        {"BuiltInDate", "<c r=\"B2\" s=\"1\"><v>46000</v></c>",
         "дата или время: нужно число или текст"},
        {"OwnDate", "<c r=\"B2\" s=\"2\"><v>46000</v></c>",
         "дата или время: нужно число или текст"},
        {"IsoDate", "<c r=\"B2\" t=\"d\"><v>2026-12-07</v></c>", "дата: нужно число или текст"},
        {"Uncalculated", "<c r=\"B2\"><f>A1*2</f></c>",
         "формула без вычисленного значения (пересчитайте книгу)"},
        {"NotANumber", "<c r=\"B2\"><v>1,5</v></c>",
         "число «1,5» не поместится в поле (до 255 знаков)"},
        {"TooLong", "<c r=\"B2\"><v>1E300</v></c>",
         "число «1E300» не поместится в поле (до 255 знаков)"},
        {"NoSuchString", "<c r=\"B2\" t=\"s\"><v>5</v></c>",
         "файл не является книгой Excel (.xlsx) или повреждён"},
        {"UnknownType", "<c r=\"B2\" t=\"q\"><v>1</v></c>", "ячейка такого вида не читается"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SheetRows sheet = readFirstWorksheet(
            workbook("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row r=\"2\">" + c.cell + "</row>",
                     "<si><t>a</t></si>", kStyles),
            SheetLimits{});
        ASSERT_EQ(sheet.errors.size(), 1u);
        EXPECT_EQ(describeCell(sheet.errors[0]), "ячейка B2: " + c.fault);
        EXPECT_TRUE(sheet.rows.empty());
    }
}

TEST(FirstWorksheet, LimitsAreInclusiveAndStopTheRead) {
    const SheetLimits limits{.rows = 2, .columns = 3, .cells = 4};
    const auto read = [&](const std::string& rows) {
        return readFirstWorksheet(workbook(rows), limits);
    };
    // Exactly at the limits: two rows, three columns, four cells.
    EXPECT_TRUE(read("<row r=\"1\"><c r=\"C1\"><v>1</v></c></row>"
                     "<row r=\"2\"><c r=\"A2\"><v>1</v></c></row>")
                    .errors.empty());
    // An empty but styled cell far away is no content.
    EXPECT_TRUE(read("<row r=\"900\"><c r=\"XFD900\" s=\"1\"/></row>").errors.empty());
    const struct {
        std::string rows;
        std::string fault;
    } beyond[] = {
        {"<row r=\"3\"><c r=\"A3\"><v>1</v></c></row>", "ячейка A3: строк больше 2"},
        {"<row r=\"1\"><c r=\"D1\"><v>1</v></c></row>", "ячейка D1: столбцов больше 3"},
        {"<row r=\"1\"><c r=\"C1\"><v>1</v></c></row><row r=\"2\"><c r=\"B2\"><v>1</v></c></row>",
         "ячейка B2: ячеек больше 4"},
    };
    for (const auto& b : beyond) {
        SCOPED_TRACE(b.fault);
        const SheetRows sheet = read(b.rows);
        ASSERT_EQ(sheet.errors.size(), 1u);
        EXPECT_EQ(describeCell(sheet.errors[0]), b.fault);
        EXPECT_TRUE(sheet.rows.empty());
    }
}

TEST(FirstWorksheet, DamagedOrInflatedFilesAreRefusedWhole) {
    const std::string good = workbook("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"Empty", ""},
        {"Text", "Проём;Количество\r\n"},
        {"Cut", good.substr(0, good.size() / 2)},
        {"NoSheet", writeZip({{"xl/workbook.xml", "<workbook/>"}})},
        {"AddressOfAnotherRow", workbook("<row r=\"1\"><c r=\"A2\"><v>1</v></c></row>")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SheetRows sheet = readFirstWorksheet(c.bytes, SheetLimits{});
        ASSERT_EQ(sheet.errors.size(), 1u);
        EXPECT_EQ(sheet.errors[0].row, 0);
        EXPECT_TRUE(sheet.rows.empty());
    }
}

// Too big a file, or parts that unpack to too much, is said to be so rather
// than damaged; 10 MiB to the byte is still looked into.
TEST(FirstWorksheet, OversizedWorkbooksAreRefusedForTheirSize) {
    // 100 MiB and one byte of one letter packs into a few hundred kilobytes.
    const std::string inflated = writeZip(
        {{"xl/workbook.xml", "<workbook/>"}, {"big.xml", std::string((100u << 20) + 1, 'a')}});
    const struct {
        const char* name;
        std::string bytes;
        const char* fault;
    } cases[] = {
        {"AtTheFileLimit", std::string(10u << 20, 'x'),
         "файл не является книгой Excel (.xlsx) или повреждён"},
        {"PastTheFileLimit", std::string((10u << 20) + 1, 'x'),
         "книга больше 10 МБ: такие не читаются"},
        {"UnpacksPastTheLimit", inflated,
         "книга распаковывается больше чем в 100 МБ: такие не читаются"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SheetRows sheet = readFirstWorksheet(c.bytes, SheetLimits{});
        ASSERT_EQ(sheet.errors.size(), 1u);
        EXPECT_EQ(sheet.errors[0].message, c.fault);
    }
}

// The limit on what an archive unpacks to is inclusive, counted over all
// entries together, and read from the directory before unpacking.
TEST(ZipLimits, UnpackedBytesAreCountedOverAllEntries) {
    const std::string zip = writeZip({{"a", std::string(10, 'a')}, {"b", std::string(10, 'b')}});
    EXPECT_EQ(declaredUnpackedBytes(zip), 20u);
    EXPECT_TRUE(readZip(zip, ZipLimits{.unpackedBytes = 20}));
    EXPECT_FALSE(readZip(zip, ZipLimits{.unpackedBytes = 19}));
    EXPECT_EQ(declaredUnpackedBytes("no zip"), std::nullopt);
}

TEST(OpeningsWorkbook, ReadsLikeTheTextTableAndPlacesFaultsByCell) {
    const std::string names = "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c>"
                              "<c r=\"B1\" t=\"s\"><v>1</v></c><c r=\"C1\" t=\"s\"><v>2</v></c>"
                              "</row>";
    const std::string strings = "<si><t>Проём</t></si><si><t>Высота полотна, мм</t></si>"
                                "<si><t>Аварийный подъем NHK</t></si>";
    const std::string good =
        workbook(names + "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>Кухня</t></is></c>"
                         "<c r=\"B2\"><v>1500</v></c><c r=\"C2\" t=\"b\"><v>1</v></c></row>",
                 strings);
    const OpeningsImport fromBook = importOpeningsTable(good);
    const OpeningsImport fromText =
        importOpenings("Проём;Высота полотна, мм;Аварийный подъем NHK\nКухня;1500;да\n");
    ASSERT_TRUE(fromBook.errors.empty()) << describeFault(fromBook, fromBook.errors.front());
    EXPECT_EQ(fromBook.openings, fromText.openings);
    EXPECT_EQ(fromBook.rows, fromText.rows);

    const OpeningsImport bad = importOpeningsTable(
        workbook(names + "<row r=\"7\"><c r=\"B7\"><v>-2.5</v></c></row>", strings));
    ASSERT_EQ(bad.errors.size(), 1u);
    EXPECT_EQ(describeFault(bad, bad.errors[0]),
              "ячейка B7, столбец «Высота полотна, мм»: «-2,5»: нужно число из цифр и не более "
              "одной запятой");
}

} // namespace
} // namespace kavro
