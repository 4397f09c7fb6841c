// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_fixture.h"

#include <fstream>
#include <sstream>

namespace kavro {
namespace {

using DocxReport = test::ReportFixture;

// The body block by block: "table", or a paragraph as "bold|plain SIZE
// ALIGNMENT|TEXT" with the format of its first run.
std::string describe(const test::Body& body) {
    std::ostringstream out;
    std::size_t paragraph = 0;
    for (char block : body.order) {
        if (block == 'T') {
            out << "table\n";
            continue;
        }
        const test::Paragraph& p = body.paragraphs[paragraph++];
        out << (p.bold ? "bold " : "plain ") << p.size << ' ' << p.alignment << '|' << p.text
            << '\n';
    }
    return out.str();
}

// Against data/default-report.blocks; the paragraph Word keeps behind each
// table is there too.
TEST_F(DocxReport, ParagraphsCarryTheirTextBoldSizeAndAlignmentInOrder) {
    std::ifstream golden(KAVRO_TEST_DATA "/default-report.blocks", std::ios::binary);
    const std::string expected((std::istreambuf_iterator<char>(golden)), {});
    EXPECT_EQ(describe(report().body()), expected);
}

TEST_F(DocxReport, TablesHoldTheChosenDriveAndEveryAccessory) {
    input.pick(Field::Diametr, 1);
    input.click(Field::Kreplenie, 2);
    ASSERT_EQ(input.pressCell(Field::Spisok, 0, 2).kind, ActionResult::Kind::Done);
    const test::Body body = report().body();
    ASSERT_EQ(body.tables.size(), 2u);
    for (const auto& [table, grid] :
         {std::pair{&body.tables[0], &form.Spisok}, std::pair{&body.tables[1], &form.SpisokAcc}}) {
        const int rows = grid == &form.Spisok ? 2 : grid->rowCount();
        ASSERT_EQ(static_cast<int>(table->rows.size()), rows);
        for (int row = 1; row < rows; ++row) {
            const int from = grid == &form.Spisok ? form.VybrannayaStroka : row;
            const auto& cells = table->rows[static_cast<std::size_t>(row)];
            ASSERT_EQ(cells.size(), 3u);
            EXPECT_EQ(cells[0].paragraph.text, grid->cell(0, from));
            EXPECT_EQ(cells[1].paragraph.text, grid->cell(1, from));
            EXPECT_EQ(cells[2].paragraph.text, "") << row;
            EXPECT_EQ(cells[0].paragraph.alignment + cells[1].paragraph.alignment, "centerleft");
        }
    }
    EXPECT_EQ(body.tables[1].rows.size(), 6u); // the shaft's two, Fastlink's two, a bracket
}

TEST_F(DocxReport, BothTablesAreGridsOfTheSameWidthsWithAPlainCentredHeader) {
    test::DocxFile docx = report();
    const test::Body body = docx.body();
    ASSERT_EQ(body.tables.size(), 2u);
    for (const test::Table& table : body.tables) {
        EXPECT_EQ(docx.styleName(table.styleId), "Сетка таблицы");
        EXPECT_EQ(table.grid, (std::vector<int>{2000, 6900, 1600})); // 100, 345, 80 points
        const std::vector<std::string> header = {"Артикул", "Наименование", "Количество"};
        for (std::size_t column = 0; column < 3; ++column) {
            const test::Cell& cell = table.rows[0][column];
            EXPECT_EQ(cell.paragraph.text, header[column]);
            EXPECT_FALSE(cell.paragraph.bold);
            EXPECT_EQ(cell.paragraph.alignment, "center");
            for (const auto& row : table.rows)
                EXPECT_EQ(row[column].width, table.grid[column]);
        }
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
