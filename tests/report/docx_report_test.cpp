// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_fixture.h"

#include <fstream>
#include <functional>
#include <sstream>

namespace kavro {
namespace {

using DocxReport = test::ReportFixture;

std::string describe(const test::Paragraph& p) {
    return std::string(p.bold ? "bold " : "plain ") + std::to_string(static_cast<int>(p.size)) +
           ' ' + p.alignment + '|' + p.text;
}

// The body block by block: a paragraph as "bold|plain SIZE ALIGNMENT|TEXT"
// with the format of its first run, or "table" and a line per row with its
// cells' first paragraphs, each in brackets.
std::string describe(const test::Body& body) {
    std::ostringstream out;
    auto paragraph = body.paragraphs.begin();
    auto table = body.tables.begin();
    for (char block : body.order) {
        if (block == 'P') {
            out << describe(*paragraph++) << '\n';
            continue;
        }
        out << "table\n";
        for (const auto& row : (table++)->rows) {
            for (const test::Cell& cell : row)
                out << '[' << describe(cell.paragraph) << ']';
            out << '\n';
        }
    }
    return out.str();
}

// Against data/NAME.blocks. The paragraph Word keeps behind each table is
// there too; the drive table holds the chosen drive.
TEST_F(DocxReport, BlocksCarryTheirTextBoldSizeAndAlignmentInOrder) {
    const struct {
        const char* name;
        std::function<void(UserInput&)> describeShutter;
    } rows[] = {
        {"default-report", [](UserInput&) {}},
        {"fastlink-second-drive",
         [](UserInput& in) {
             in.pick(Field::Diametr, 1);
             in.click(Field::Kreplenie, 2);
             in.pressCell(Field::Spisok, 0, 2);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        row.describeShutter(input);
        std::ifstream golden(KAVRO_TEST_DATA "/" + std::string(row.name) + ".blocks",
                             std::ios::binary);
        EXPECT_EQ(describe(report().body()),
                  std::string(std::istreambuf_iterator<char>(golden), {}));
    }
}

TEST_F(DocxReport, BothTablesAreGridsOfTheSameWidths) {
    test::DocxFile docx = report();
    const test::Body body = docx.body();
    ASSERT_EQ(body.tables.size(), 2u);
    for (const test::Table& table : body.tables) {
        EXPECT_EQ(docx.styleName(table.styleId), "Сетка таблицы");
        EXPECT_EQ(table.grid, (std::vector<int>{2000, 6900, 1600})); // 100, 345, 80 points
        for (std::size_t column = 0; column < 3; ++column)
            for (const auto& row : table.rows)
                EXPECT_EQ(row[column].width, table.grid[column]);
    }
    const pugi::xml_node borders =
        docx.style(body.tables[0].styleId).child("w:tblPr").child("w:tblBorders");
    for (const char* edge : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"})
        EXPECT_STREQ(borders.child(edge).attribute("w:val").value(), "single") << edge;
}

TEST_F(DocxReport, TheTablesFitBetweenTheMarginsOfAnA4Page) {
    test::DocxFile docx = report();
    const pugi::xml_node section =
        docx.xml("word/document.xml").child("w:document").child("w:body").last_child();
    ASSERT_STREQ(section.name(), "w:sectPr");
    const int width = section.child("w:pgSz").attribute("w:w").as_int();
    EXPECT_EQ(width, 11906);
    EXPECT_EQ(section.child("w:pgSz").attribute("w:h").as_int(), 16838);
    const pugi::xml_node margins = section.child("w:pgMar");
    const int left = margins.attribute("w:left").as_int();
    EXPECT_GE(width - left - margins.attribute("w:right").as_int(), 525 * 20);
    EXPECT_GE(left, 567); // at least 1 cm for the printer
}

TEST_F(DocxReport, EveryPartIsWellFormedAndHasItsContentType) {
    test::DocxFile docx = report();
    const pugi::xml_node types = docx.xml("[Content_Types].xml").child("Types");
    for (const auto& [name, bytes] : docx.parts()) {
        EXPECT_NO_THROW(docx.xml(name)) << name;
        bool typed = false;
        for (pugi::xml_node o : types.children("Override"))
            typed |= "/" + name == o.attribute("PartName").value();
        for (pugi::xml_node d : types.children("Default"))
            typed |= name.ends_with(std::string(".") + d.attribute("Extension").value());
        EXPECT_TRUE(typed) << name;
    }
    EXPECT_TRUE(docx.xml("_rels/.rels")
                    .child("Relationships")
                    .find_child_by_attribute("Target", "word/document.xml"));
}

} // namespace
} // namespace kavro
