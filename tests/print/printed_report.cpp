// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printed_report.h"

#include "print/page_geometry.h"

#include <QTextBlock>
#include <QTextFrame>
#include <QTextTable>
#include <cmath>

namespace kavro::test {

namespace {

Paragraph readParagraph(const QTextBlock& block) {
    Paragraph paragraph;
    paragraph.text = block.text().toStdString();
    // The first run's format, or the paragraph mark's when it has no text.
    const QTextCharFormat format =
        block.begin().atEnd() ? block.charFormat() : block.begin().fragment().charFormat();
    paragraph.bold = format.fontWeight() >= QFont::Bold;
    paragraph.size = format.fontPointSize();
    if (block.blockFormat().hasProperty(QTextFormat::BlockAlignment))
        paragraph.alignment =
            block.blockFormat().alignment() & Qt::AlignHCenter ? "center" : "left";
    return paragraph;
}

int twips(const QTextLength& width) {
    const double points = width.rawValue() / print::PageGeometry::documentUnits(1);
    return static_cast<int>(std::lround(points * 20));
}

Table readTable(const QTextTable& table) {
    Table read;
    read.styleId = table.format().border() > 0 ? "grid" : "";
    for (const QTextLength& width : table.format().columnWidthConstraints())
        read.grid.push_back(twips(width));
    for (int r = 0; r < table.rows(); ++r) {
        std::vector<Cell>& row = read.rows.emplace_back();
        for (int c = 0; c < table.columns(); ++c) {
            const QTextBlock first = table.cellAt(r, c).firstCursorPosition().block();
            row.push_back({readParagraph(first), read.grid.at(static_cast<std::size_t>(c))});
        }
    }
    return read;
}

} // namespace

Body readPrintable(const QTextDocument& document) {
    Body body;
    for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (const auto* table = qobject_cast<const QTextTable*>(it.currentFrame())) {
            body.order.push_back('T');
            body.tables.push_back(readTable(*table));
        } else if (it.currentBlock().isValid()) {
            body.order.push_back('P');
            body.paragraphs.push_back(readParagraph(it.currentBlock()));
        }
    }
    return body;
}

void describeLongestShutter(UserInput& input) {
    input.pick(Field::Diametr, 1);
    input.click(Field::Kreplenie, 2);
    input.check(Field::NHK);
}

BothReports::BothReports()
    : form(recorders.services("kavro")), input(form), docxFile_(folder / "report.docx"),
      docx_(folder / "KavroBlank.docx", docxFile_), printable_(kept_) {
    input.start();
}

DocxFile BothReports::docx() {
    form.services().wordProcessor = &docx_;
    input.clickButton(Field::Button1);
    return DocxFile(docxFile_.file());
}

std::unique_ptr<QTextDocument> BothReports::printable() {
    form.services().wordProcessor = &printable_;
    input.clickButton(Field::Button1);
    return kept_.take();
}

} // namespace kavro::test
