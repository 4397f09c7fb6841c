// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docx_word_processor.h"

#include "blank_docx.h"
#include "delivery_messages.h"
#include "docx_picture.h"
#include "docx_table.h"
#include "element_order.h"
#include "ooxml_names.h"
#include "paragraph_typing.h"
#include "table_styles.h"

#include <cmath>
#include <string_view>

namespace kavro {

namespace {

// What Word itself accepts; a value beyond it is refused as Word refuses it.
constexpr double kLargestFont = 1638;     // points
constexpr double kLargestMeasure = 1584;  // points: 22 inches
constexpr double kLargestLineUnits = 100; // lines of spacing
constexpr int kMostRows = 32767;
constexpr int kMostColumns = 63;
// Word's line unit for paragraph spacing: one line of 12 points, in twips.
constexpr double kLineUnitTwips = 12 * ooxml::kTwipsPerPoint;

void require(bool condition, const char* refusal) {
    if (!condition)
        throw WordProcessorError(refusal);
}

bool within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

bool isParagraph(pugi::xml_node node) {
    return std::string_view(node.name()) == "w:p";
}

// The body's last paragraph or table, ahead of its section properties.
pugi::xml_node lastBlock(pugi::xml_node body) {
    pugi::xml_node last = body.last_child();
    if (std::string_view(last.name()) == "w:sectPr")
        last = last.previous_sibling();
    return last;
}

// A new last paragraph of the body, in front of its section properties.
pugi::xml_node newLastParagraph(pugi::xml_node body) {
    pugi::xml_node last = body.last_child();
    if (std::string_view(last.name()) == "w:sectPr")
        return body.insert_child_before("w:p", last);
    return body.append_child("w:p");
}

void setAttribute(pugi::xml_node node, const char* name, long value) {
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute)
        attribute = node.append_attribute(name);
    attribute = value;
}

} // namespace

DocxWordProcessor::DocxWordProcessor(std::filesystem::path templateFile,
                                     ReportDestination& destination, TemplateLimits limits)
    : templateFile_(std::move(templateFile)), destination_(destination), limits_(limits) {}

DocxWordProcessor::DocxWordProcessor(TemplateBytes templateBytes, ReportDestination& destination,
                                     TemplateLimits limits)
    : templateBytes_(std::move(templateBytes.bytes)), destination_(destination), limits_(limits) {}

DocxDocument& DocxWordProcessor::current() {
    require(document_ != nullptr, "no document is open");
    return *document_;
}

pugi::xml_node DocxWordProcessor::paragraph() {
    current();
    return paragraph_;
}

pugi::xml_node DocxWordProcessor::table(int table) {
    current();
    require(table >= 1 && table <= static_cast<int>(tables_.size()), "no such table");
    return tables_[static_cast<std::size_t>(table - 1)];
}

void DocxWordProcessor::use(std::unique_ptr<DocxDocument> document, pugi::xml_node paragraph) {
    document_ = std::move(document);
    paragraph_ = paragraph;
    format_ = {};
    tables_.clear();
}

// The report follows the template's own content. An empty last paragraph is
// where Word's insertion point would stand; typing goes on there.
void DocxWordProcessor::openTemplate() {
    std::unique_ptr<DocxDocument> opened =
        templateBytes_ ? openDocxBytes(*templateBytes_, limits_) : openDocx(templateFile_, limits_);
    require(opened != nullptr, "the template cannot be opened");
    const pugi::xml_node last = lastBlock(opened->body());
    const bool reusable =
        isParagraph(last) && !hasContent(last) && !last.child("w:pPr").child("w:sectPr");
    const pugi::xml_node start = reusable ? last : newLastParagraph(opened->body());
    use(std::move(opened), start);
}

void DocxWordProcessor::addDocument() {
    std::unique_ptr<DocxDocument> blank = blankDocx();
    const pugi::xml_node first = blank->body().child("w:p");
    use(std::move(blank), first);
}

void DocxWordProcessor::setAlignment(Alignment alignment) {
    kavro::setAlignment(paragraph(), alignment);
}

// Spacing in lines, written both in hundredths of a line and in twips for
// readers that know only the latter.
void DocxWordProcessor::setSpacing(const char* linesAttribute, const char* twipsAttribute,
                                   double lines) {
    require(within(lines, 0, kLargestLineUnits), "spacing out of range");
    pugi::xml_node spacing = paragraphProperty(paragraphProperties(paragraph()), "spacing");
    setAttribute(spacing, linesAttribute, std::lround(lines * 100));
    setAttribute(spacing, twipsAttribute, std::lround(lines * kLineUnitTwips));
}

void DocxWordProcessor::setLineUnitAfter(double lines) {
    setSpacing("w:afterLines", "w:after", lines);
}

void DocxWordProcessor::setLineUnitBefore(double lines) {
    setSpacing("w:beforeLines", "w:before", lines);
}

// Word keeps line spacing set in points as a multiple of single lines of 12
// points; "auto" spacing counts in 240ths of a line, so 11 points are 220.
void DocxWordProcessor::setLineSpacing(double points) {
    require(within(points, 0.5, kLargestMeasure), "line spacing out of range");
    pugi::xml_node spacing = paragraphProperty(paragraphProperties(paragraph()), "spacing");
    setAttribute(spacing, "w:line", std::lround(points * ooxml::kTwipsPerPoint));
    spacing.remove_attribute("w:lineRule");
    spacing.append_attribute("w:lineRule") = "auto";
}

void DocxWordProcessor::setBold(bool bold) {
    current();
    format_.bold = bold;
}

void DocxWordProcessor::setFontSize(double points) {
    current();
    require(within(points, 1, kLargestFont), "font size out of range");
    format_.size = points;
}

void DocxWordProcessor::typeText(const std::string& text) {
    paragraph_ = typeInto(paragraph(), text, format_);
}

void DocxWordProcessor::insertPicture(const Picture& picture, double width, double height) {
    require(within(width, 0, kLargestMeasure) && width > 0 && within(height, 0, kLargestMeasure) &&
                height > 0,
            "picture size out of range");
    const pugi::xml_node at = paragraph();
    std::string id;
    try {
        id = current().addPicture(picture);
    } catch (const std::invalid_argument& error) {
        throw WordProcessorError(error.what());
    }
    declarePictureNamespaces(current().body().parent());
    appendPicture(at, id, ++pictures_, width, height);
}

int DocxWordProcessor::addTable(int rows, int columns) {
    require(rows >= 1 && rows <= kMostRows && columns >= 1 && columns <= kMostColumns,
            "table size out of range");
    const DocxTable added =
        DocxTable::insertAfter(paragraph(), rows, columns, current().textWidth(), format_);
    tables_.push_back(added.node());
    return static_cast<int>(tables_.size());
}

void DocxWordProcessor::setTableStyle(int number, const std::string& style) {
    const pugi::xml_node t = table(number);
    const auto id = tableStyleId(current().styles(), style);
    require(id.has_value(), "the document has no such table style");
    DocxTable(t).setStyle(*id);
}

void DocxWordProcessor::setPreferredWidth(int number, int column, double points) {
    require(within(points, 0, kLargestMeasure) && points > 0, "width out of range");
    DocxTable(table(number))
        .setPreferredWidth(column, static_cast<int>(std::lround(points * ooxml::kTwipsPerPoint)));
}

void DocxWordProcessor::addRow(int number) {
    const pugi::xml_node t = table(number);
    int rows = 0;
    for ([[maybe_unused]] pugi::xml_node row : t.children("w:tr"))
        ++rows;
    require(rows < kMostRows, "the table cannot grow");
    DocxTable(t).addRow();
}

void DocxWordProcessor::setCellText(int number, int row, int column, const std::string& text) {
    DocxTable(table(number)).setCellText(row, column, text);
}

void DocxWordProcessor::setCellBold(int number, int row, int column, bool bold) {
    DocxTable(table(number)).setCellBold(row, column, bold);
}

void DocxWordProcessor::setCellAlignment(int number, int row, int column, Alignment alignment) {
    DocxTable(table(number)).setCellAlignment(row, column, alignment);
}

void DocxWordProcessor::moveToEnd() {
    const pugi::xml_node last = lastBlock(current().body());
    paragraph_ = isParagraph(last) ? last : newLastParagraph(current().body());
}

void DocxWordProcessor::handOver() {
    std::string docx;
    try {
        docx = current().save();
    } catch (const WordProcessorError&) {
        throw;
    } catch (const std::exception&) {
        throw ReportNotDelivered(reportNotBuiltMessage());
    }
    destination_.deliver(docx);
}

} // namespace kavro
