// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docx_table.h"

#include "element_order.h"
#include "paragraph_typing.h"

namespace kavro {

namespace {

// The n-th child (from 1) of that name; empty when there are fewer.
pugi::xml_node nthChild(pugi::xml_node parent, const char* name, int n) {
    if (n < 1)
        return {};
    for (pugi::xml_node child : parent.children(name))
        if (--n == 0)
            return child;
    return {};
}

void setWidth(pugi::xml_node tcPr, int twips) {
    pugi::xml_node width = cellProperty(tcPr, "tcW");
    width.remove_attributes();
    width.append_attribute("w:w") = twips;
    width.append_attribute("w:type") = "dxa";
}

// Empties a cell but for its properties and the format of its first
// paragraph, which stays as the cell's one empty paragraph.
void emptyCell(pugi::xml_node cell) {
    pugi::xml_node paragraph = cell.child("w:p");
    for (pugi::xml_node child = cell.first_child(); child;) {
        const pugi::xml_node next = child.next_sibling();
        if (child != paragraph && std::string_view(child.name()) != "w:tcPr")
            cell.remove_child(child);
        child = next;
    }
    if (!paragraph)
        paragraph = cell.append_child("w:p");
    for (pugi::xml_node child = paragraph.first_child(); child;) {
        const pugi::xml_node next = child.next_sibling();
        if (std::string_view(child.name()) != "w:pPr")
            paragraph.remove_child(child);
        child = next;
    }
}

} // namespace

DocxTable DocxTable::insertAfter(pugi::xml_node paragraph, int rows, int columns, int width,
                                 const CharacterFormat& format) {
    pugi::xml_node table = paragraph.parent().insert_child_after("w:tbl", paragraph);
    pugi::xml_node tblPr = table.append_child("w:tblPr");
    pugi::xml_node tableWidth = tableProperty(tblPr, "tblW");
    tableWidth.append_attribute("w:w") = 0;
    tableWidth.append_attribute("w:type") = "auto";

    const int columnWidth = width / columns;
    pugi::xml_node grid = table.append_child("w:tblGrid");
    for (int c = 0; c < columns; ++c)
        grid.append_child("w:gridCol").append_attribute("w:w") = columnWidth;
    for (int r = 0; r < rows; ++r) {
        pugi::xml_node tr = table.append_child("w:tr");
        for (int c = 0; c < columns; ++c) {
            pugi::xml_node tc = tr.append_child("w:tc");
            setWidth(tc.append_child("w:tcPr"), columnWidth);
            appendParagraph(tc, paragraph, format);
        }
    }
    paragraphAfter(table, paragraph, format);
    return DocxTable(table);
}

pugi::xml_node DocxTable::row(int row) const {
    pugi::xml_node tr = nthChild(table_, "w:tr", row);
    if (!tr)
        throw WordProcessorError("the table has no row " + std::to_string(row));
    return tr;
}

pugi::xml_node DocxTable::cell(int row, int column) const {
    pugi::xml_node tc = nthChild(this->row(row), "w:tc", column);
    if (!tc)
        throw WordProcessorError("the table has no cell " + std::to_string(row) + ", " +
                                 std::to_string(column));
    return tc;
}

void DocxTable::setStyle(const std::string& styleId) {
    pugi::xml_node style = tableProperty(leadingChild(table_, "tblPr"), "tblStyle");
    style.remove_attributes();
    style.append_attribute("w:val") = styleId.c_str();
}

void DocxTable::setPreferredWidth(int column, int twips) {
    pugi::xml_node gridColumn = nthChild(table_.child("w:tblGrid"), "w:gridCol", column);
    if (!gridColumn)
        throw WordProcessorError("the table has no column " + std::to_string(column));
    gridColumn.remove_attributes();
    gridColumn.append_attribute("w:w") = twips;
    for (pugi::xml_node tr : table_.children("w:tr"))
        if (pugi::xml_node tc = nthChild(tr, "w:tc", column))
            setWidth(leadingChild(tc, "tcPr"), twips);
}

void DocxTable::addRow() {
    pugi::xml_node last;
    for (pugi::xml_node tr : table_.children("w:tr"))
        last = tr;
    if (!last)
        throw WordProcessorError("the table has no row to copy");
    pugi::xml_node added = table_.insert_copy_after(last, last);
    for (pugi::xml_node tc : added.children("w:tc"))
        emptyCell(tc);
}

void DocxTable::setCellText(int row, int column, std::string_view text) {
    pugi::xml_node tc = cell(row, column);
    emptyCell(tc);
    pugi::xml_node paragraph = tc.child("w:p");
    typeInto(paragraph, text, CharacterFormat::of(paragraph.child("w:pPr").child("w:rPr")));
}

void DocxTable::setCellBold(int row, int column, bool bold) {
    for (pugi::xml_node paragraph : cell(row, column).children("w:p")) {
        kavro::setBold(paragraphProperty(paragraphProperties(paragraph), "rPr"), bold);
        for (pugi::xml_node run : paragraph.children("w:r"))
            kavro::setBold(leadingChild(run, "rPr"), bold);
    }
}

void DocxTable::setCellAlignment(int row, int column, Alignment alignment) {
    for (pugi::xml_node paragraph : cell(row, column).children("w:p"))
        setAlignment(paragraph, alignment);
}

} // namespace kavro
