// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_fixture.h"

#include <algorithm>

namespace kavro {
namespace {

using test::Paragraph;

using DocxReport = test::ReportFixture;

TEST_F(DocxReport, ParagraphsCarryTheirTextBoldSizeAndAlignmentInOrder) {
    const std::vector<Paragraph> expected = {
        {"Программный продукт \"KAVRO Подбор привода v.1.1\"", true, 14, "center"},
        {" ", true, 14, "center"},
        {"Начальные данные", true, 12, "left"},
        {"Профиль:  Другой     Тип профиля:  ", false, 12, "left"},
        {"Монтаж:  Уличный", false, 12, "left"},
        {"Диаметр вала:  40 мм", false, 12, "left"},
        {"Толщина профиля:  2 мм", false, 12, "left"},
        {"Высота полотна:  2000 мм", false, 12, "left"},
        {"Ширина полотна:  1000 мм", false, 12, "left"},
        {"Удельный вес:  1 кг/м2", false, 12, "left"},
        {"Профиль концевой:  0,5 кг", false, 12, "left"},
        {"Управление:  Проводное PX", false, 12, "left"},
        {"Способ крепления профиля к валу:  С ригелем", false, 12, "left"},
        {"Аварийный подъем NHK:  Нет", false, 12, "left"},
        {" ", false, 12, "left"},
        {"Данные расчета", true, 12, "left"},
        {"Общая масса:  2,5 кг", false, 12, "left"},
        {"Вращающий момент:  1 Нм", false, 12, "left"},
        {"Максимальный диаметр вала со свернутым полотном:  98 мм", false, 12, "left"},
        {"Количество оборотов:  7,8", false, 12, "left"},
        {"Скорость вращения:  14", false, 12, "left"},
        {"Время работы:  0 мин 33 сек", false, 12, "left"},
        {" ", false, 12, "left"},
        {"Рекомендуемый к установке привод", true, 12, "left"},
        {" ", false, 12, "left"},
        // The paragraph that Word keeps behind a table.
        {"", false, 12, "left"},
        {" ", false, 12, "left"},
        {"Аксессуары", true, 12, "left"},
        {" ", false, 12, "left"},
        {"", false, 12, "left"},
    };
    const test::Body body = report().body();
    EXPECT_EQ(body.paragraphs, expected);
    const std::string blocks(body.order.begin(), body.order.end());
    EXPECT_EQ(blocks, std::string(25, 'P') + "TPPPPTP");
}

TEST_F(DocxReport, TablesHoldTheChosenDriveAndEveryAccessory) {
    input.pick(Field::Diametr, 1);
    input.click(Field::Kreplenie, 2);
    ASSERT_EQ(input.pressCell(Field::Spisok, 0, 2).kind, ActionResult::Kind::Done);
    ASSERT_EQ(form.SpisokAcc.rowCount(), 6); // the shaft's two, Fastlink's two, a bracket
    const test::Body body = report().body();
    ASSERT_EQ(body.tables.size(), 2u);

    const auto& drive = body.tables[0].rows;
    ASSERT_EQ(drive.size(), 2u);
    EXPECT_EQ(drive[1][0].paragraph.text, form.Spisok.cell(0, 2));
    EXPECT_EQ(drive[1][1].paragraph.text, form.Spisok.cell(1, 2));
    EXPECT_EQ(drive[1][2].paragraph.text, "");

    const auto& accessories = body.tables[1].rows;
    ASSERT_EQ(static_cast<int>(accessories.size()), form.SpisokAcc.rowCount());
    for (int row = 1; row < form.SpisokAcc.rowCount(); ++row) {
        const auto& cells = accessories[static_cast<std::size_t>(row)];
        ASSERT_EQ(cells.size(), 3u);
        EXPECT_EQ(cells[0].paragraph.text, form.SpisokAcc.cell(0, row));
        EXPECT_EQ(cells[1].paragraph.text, form.SpisokAcc.cell(1, row));
        EXPECT_EQ(cells[2].paragraph.text, "") << row;
        EXPECT_EQ(cells[0].paragraph.alignment, "center");
        EXPECT_EQ(cells[1].paragraph.alignment, "left");
    }
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
    const int textWidth =
        width - margins.attribute("w:left").as_int() - margins.attribute("w:right").as_int();
    EXPECT_GE(textWidth, 525 * 20);
    EXPECT_GE(margins.attribute("w:left").as_int(), 567); // at least 1 cm for the printer
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
    const pugi::xml_node main = docx.xml("_rels/.rels")
                                    .child("Relationships")
                                    .find_child_by_attribute("Target", "word/document.xml");
    EXPECT_TRUE(main);
}

} // namespace
} // namespace kavro
