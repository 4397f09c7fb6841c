// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_document_word_processor.h"

#include "core/text/utf8.h"
#include "page_geometry.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QTextImageFormat>
#include <QUrl>
#include <cmath>

namespace kavro::print {

namespace {

// What Word itself accepts; a value beyond it is refused as Word refuses it.
constexpr double kLargestFont = 1638;     // points
constexpr double kLargestMeasure = 1584;  // points: 22 inches
constexpr double kLargestLineUnits = 100; // lines of spacing
constexpr int kMostRows = 32767;
constexpr int kMostColumns = 63;
// Word's line unit for paragraph spacing, and the size of its single line
// spacing that line spacing in points is a multiple of (points).
constexpr double kLinePoints = 12;
// The grid style: a half-point line on every edge, outer and inner.
constexpr double kGridBorder = 0.5; // points
// Cell padding left and right of Word's default table style (108 twips).
constexpr double kCellPadding = 5.4; // points
constexpr std::string_view kGridName = "Сетка таблицы";
constexpr std::string_view kGridBuiltInName = "Table Grid";

void require(bool condition, const char* refusal) {
    if (!condition)
        throw WordProcessorError(refusal);
}

bool within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

// Times New Roman, 12 points: the Word document's default; where that font
// is not installed the font configuration gives its metric twin (Liberation
// Serif on Debian).
QFont reportFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(12);
    return font;
}

QTextTableFormat plainTable(int columns) {
    QTextTableFormat format;
    format.setBorder(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(QBrush(Qt::black));
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(0);
    format.setMargin(0);
    format.setAlignment(Qt::AlignLeft);
    // Equal columns across the page until widths are set, as Word makes them.
    const double width = PageGeometry::documentUnits(PageGeometry::kTextWidth) / columns;
    format.setColumnWidthConstraints(
        QList<QTextLength>(columns, QTextLength(QTextLength::FixedLength, width)));
    return format;
}

// Gives a table cell's (first) paragraph the format of a paragraph and its
// paragraph mark's character format, which also holds the cell's own
// format: Word's default cell padding goes on top.
void formatCell(QTextTableCell cell, const QTextBlockFormat& paragraph,
                const QTextCharFormat& mark) {
    QTextCursor at = cell.firstCursorPosition();
    at.setBlockFormat(paragraph);
    at.setBlockCharFormat(mark);
    QTextTableCellFormat padded = cell.format().toTableCellFormat();
    padded.setLeftPadding(PageGeometry::documentUnits(kCellPadding));
    padded.setRightPadding(PageGeometry::documentUnits(kCellPadding));
    padded.setTopPadding(0);
    padded.setBottomPadding(0);
    cell.setFormat(padded);
}

// The grid style's line on every edge of a cell; with collapsed borders
// neighbouring cells share theirs.
void drawGrid(QTextTableCell cell) {
    QTextTableCellFormat format = cell.format().toTableCellFormat();
    format.setBorder(PageGeometry::documentUnits(kGridBorder));
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(QBrush(Qt::black));
    cell.setFormat(format);
}

// A cursor that selects the whole text of a cell.
QTextCursor wholeCell(const QTextTableCell& cell) {
    QTextCursor selection = cell.firstCursorPosition();
    selection.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return selection;
}

bool isLineEnd(char32_t c) {
    return c == U'\r' || c == U'\n';
}

} // namespace

void typeInto(QTextCursor& cursor, std::string_view text, const QTextCharFormat& format) {
    const std::u32string characters = utf8::decode(utf8::sanitize(text));
    QString pending;
    auto flush = [&] {
        if (!pending.isEmpty())
            cursor.insertText(pending, format);
        pending.clear();
    };
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const char32_t c = characters[i];
        if (isLineEnd(c)) {
            if (c == U'\r' && i + 1 < characters.size() && characters[i + 1] == U'\n')
                ++i;
            flush();
            cursor.insertBlock(cursor.blockFormat(), format);
        } else if ((c < 0x20 && c != U'\t') || c == 0xFFFE || c == 0xFFFF) {
            continue;
        } else {
            pending += QString::fromUcs4(&c, 1);
        }
    }
    flush();
}

TextDocumentWordProcessor::TextDocumentWordProcessor(PrintableDestination& destination)
    : destination_(destination) {}

QTextCursor& TextDocumentWordProcessor::cursor() {
    require(document_ != nullptr, "no document is open");
    return cursor_;
}

QTextTable& TextDocumentWordProcessor::table(int number) {
    cursor();
    require(number >= 1 && number <= static_cast<int>(tables_.size()), "no such table");
    return *tables_[static_cast<std::size_t>(number - 1)];
}

QTextTableCell TextDocumentWordProcessor::cell(int number, int row, int column) {
    QTextTable& t = table(number);
    require(row >= 1 && row <= t.rows() && column >= 1 && column <= t.columns(), "no such cell");
    return t.cellAt(row - 1, column - 1);
}

void TextDocumentWordProcessor::openTemplate() {
    throw WordProcessorError("the printable report has no letterhead");
}

void TextDocumentWordProcessor::addDocument() {
    tables_.clear();
    cursor_ = QTextCursor();
    document_ = std::make_unique<QTextDocument>();
    // Line breaks must not depend on the screen's font hinting: the preview
    // and the PDF break every line where the other does.
    document_->setUseDesignMetrics(true);
    document_->setDocumentMargin(0);
    document_->setDefaultFont(reportFont());
    document_->setTextWidth(PageGeometry::textArea().width());
    cursor_ = QTextCursor(document_.get());
    format_ = QTextCharFormat();
}

void TextDocumentWordProcessor::mergeParagraph(const QTextBlockFormat& format) {
    cursor().mergeBlockFormat(format);
}

void TextDocumentWordProcessor::setAlignment(Alignment alignment) {
    QTextBlockFormat format;
    format.setAlignment(alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft);
    mergeParagraph(format);
}

void TextDocumentWordProcessor::setLineUnitAfter(double lines) {
    require(within(lines, 0, kLargestLineUnits), "spacing out of range");
    QTextBlockFormat format;
    format.setBottomMargin(PageGeometry::documentUnits(lines * kLinePoints));
    mergeParagraph(format);
}

void TextDocumentWordProcessor::setLineUnitBefore(double lines) {
    require(within(lines, 0, kLargestLineUnits), "spacing out of range");
    QTextBlockFormat format;
    format.setTopMargin(PageGeometry::documentUnits(lines * kLinePoints));
    mergeParagraph(format);
}

// Word keeps line spacing in points as a multiple of single lines of 12
// points: 11 points are eleven twelfths of the font's own line height.
void TextDocumentWordProcessor::setLineSpacing(double points) {
    require(within(points, 0.5, kLargestMeasure), "line spacing out of range");
    QTextBlockFormat format;
    format.setLineHeight(points / kLinePoints * 100, QTextBlockFormat::ProportionalHeight);
    mergeParagraph(format);
}

void TextDocumentWordProcessor::setBold(bool bold) {
    cursor();
    format_.setFontWeight(bold ? QFont::Bold : QFont::Normal);
}

void TextDocumentWordProcessor::setFontSize(double points) {
    cursor();
    require(within(points, 1, kLargestFont), "font size out of range");
    format_.setFontPointSize(points);
}

void TextDocumentWordProcessor::typeText(const std::string& text) {
    typeInto(cursor(), text, format_);
}

// The picture becomes a resource of the document under a name of its own.
// One that Qt cannot decode is left out, as the letterhead leaves out a logo
// it cannot read: the paper goes out without it rather than not at all.
void TextDocumentWordProcessor::insertPicture(const Picture& picture, double width, double height) {
    require(within(width, 0, kLargestMeasure) && width > 0 && within(height, 0, kLargestMeasure) &&
                height > 0,
            "picture size out of range");
    QTextCursor& at = cursor();
    const QImage image = QImage::fromData(
        QByteArray(picture.bytes.data(), static_cast<qsizetype>(picture.bytes.size())));
    if (image.isNull())
        return;
    const QString name = QStringLiteral("kavro-picture:%1").arg(++pictures_);
    document_->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(PageGeometry::documentUnits(width));
    format.setHeight(PageGeometry::documentUnits(height));
    at.insertImage(format);
}

// The table goes behind the paragraph of the insertion point, which stays
// where it was; the paragraph behind the table, and each cell's, take that
// paragraph's format.
int TextDocumentWordProcessor::addTable(int rows, int columns) {
    require(rows >= 1 && rows <= kMostRows && columns >= 1 && columns <= kMostColumns,
            "table size out of range");
    QTextCursor at = cursor();
    at.movePosition(QTextCursor::EndOfBlock);
    const int paragraph = at.block().position();
    const QTextBlockFormat paragraphFormat = at.blockFormat();

    QTextTable* added = at.insertTable(rows, columns, plainTable(columns));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            formatCell(added->cellAt(r, c), paragraphFormat, format_);
    QTextCursor behind = added->lastCursorPosition();
    behind.movePosition(QTextCursor::NextBlock);
    behind.setBlockFormat(paragraphFormat);
    behind.setBlockCharFormat(format_);

    cursor_.setPosition(paragraph);
    cursor_.movePosition(QTextCursor::EndOfBlock);
    tables_.push_back(added);
    return static_cast<int>(tables_.size());
}

void TextDocumentWordProcessor::setTableStyle(int number, const std::string& style) {
    QTextTable& t = table(number);
    require(style == kGridName || style == kGridBuiltInName,
            "the document has no such table style");
    QTextTableFormat format = t.format();
    format.setBorder(PageGeometry::documentUnits(kGridBorder));
    t.setFormat(format);
    // Rows added later copy their cells' format from the last row.
    for (int r = 0; r < t.rows(); ++r)
        for (int c = 0; c < t.columns(); ++c)
            drawGrid(t.cellAt(r, c));
}

void TextDocumentWordProcessor::setPreferredWidth(int number, int column, double points) {
    QTextTable& t = table(number);
    require(within(points, 0, kLargestMeasure) && points > 0, "width out of range");
    require(column >= 1 && column <= t.columns(), "the table has no such column");
    QTextTableFormat format = t.format();
    QList<QTextLength> widths = format.columnWidthConstraints();
    widths[column - 1] = QTextLength(QTextLength::FixedLength, PageGeometry::documentUnits(points));
    format.setColumnWidthConstraints(widths);
    t.setFormat(format);
}

void TextDocumentWordProcessor::addRow(int number) {
    QTextTable& t = table(number);
    require(t.rows() < kMostRows, "the table cannot grow");
    const int last = t.rows() - 1;
    t.appendRows(1);
    for (int c = 0; c < t.columns(); ++c) {
        const QTextCursor like = t.cellAt(last, c).firstCursorPosition();
        formatCell(t.cellAt(last + 1, c), like.blockFormat(), like.blockCharFormat());
    }
}

// The new text takes the format of the cell's paragraph mark, as in Word.
void TextDocumentWordProcessor::setCellText(int number, int row, int column,
                                            const std::string& text) {
    const QTextTableCell target = cell(number, row, column);
    const QTextCharFormat mark = target.firstCursorPosition().blockCharFormat();
    QTextCursor selection = wholeCell(target);
    selection.removeSelectedText();
    typeInto(selection, text, mark);
}

void TextDocumentWordProcessor::setCellBold(int number, int row, int column, bool bold) {
    QTextCursor selection = wholeCell(cell(number, row, column));
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    selection.mergeCharFormat(format);
    selection.mergeBlockCharFormat(format);
}

void TextDocumentWordProcessor::setCellAlignment(int number, int row, int column,
                                                 Alignment alignment) {
    QTextCursor selection = wholeCell(cell(number, row, column));
    QTextBlockFormat format;
    format.setAlignment(alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft);
    selection.mergeBlockFormat(format);
}

void TextDocumentWordProcessor::moveToEnd() {
    cursor().movePosition(QTextCursor::End);
}

void TextDocumentWordProcessor::handOver() {
    cursor();
    tables_.clear();
    cursor_ = QTextCursor();
    destination_.deliver(std::move(document_));
}

} // namespace kavro::print
