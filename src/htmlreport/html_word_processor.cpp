// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "html_word_processor.h"

#include "base64.h"

#include <cmath>
#include <string_view>

namespace kavro {

namespace {

// Class-name pieces: whole points; the style sheet knows the report's sizes.
std::string points(double value) {
    return std::to_string(static_cast<long long>(std::lround(value)));
}

const char* alignmentClass(Alignment alignment) {
    return alignment == Alignment::Center ? "center" : "left";
}

} // namespace

std::string escapeHtml(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

HtmlWordProcessor::HtmlWordProcessor(std::function<void(std::string)> deliver)
    : deliver_(std::move(deliver)) {}

void HtmlWordProcessor::openTemplate() {
    addDocument();
}

void HtmlWordProcessor::addDocument() {
    open_ = true;
    blocks_.assign(1, Paragraph{});
    tables_.clear();
    current_ = 0;
}

void HtmlWordProcessor::requireDocument() const {
    if (!open_)
        throw WordProcessorError("no document is open");
}

HtmlWordProcessor::Paragraph& HtmlWordProcessor::current() {
    requireDocument();
    return std::get<Paragraph>(blocks_[current_]);
}

void HtmlWordProcessor::setAlignment(Alignment alignment) {
    current().alignment = alignment;
}

void HtmlWordProcessor::setLineUnitAfter(double lines) {
    current().linesAfter = lines;
}

void HtmlWordProcessor::setLineUnitBefore(double lines) {
    current().linesBefore = lines;
}

void HtmlWordProcessor::setLineSpacing(double points) {
    current().spacing = points;
}

void HtmlWordProcessor::setBold(bool bold) {
    requireDocument();
    bold_ = bold;
}

void HtmlWordProcessor::setFontSize(double points) {
    requireDocument();
    size_ = points;
}

void HtmlWordProcessor::typeText(const std::string& text) {
    requireDocument();
    std::string_view rest(text);
    for (;;) {
        const std::size_t end = rest.find("\r\n");
        const std::string_view piece = rest.substr(0, end);
        if (!piece.empty())
            current().runs.push_back({std::string(piece), bold_, size_});
        if (end == std::string_view::npos)
            return;
        // A new paragraph in the format of the one it ends.
        Paragraph next = current();
        next.runs.clear();
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(current_ + 1), next);
        ++current_;
        rest.remove_prefix(end + 2);
    }
}

// The picture goes into the document itself, as a data: URL: the report
// page shows it with nothing else to fetch.
void HtmlWordProcessor::insertPicture(const Picture& picture, double width, double height) {
    requireDocument();
    if (!(width > 0 && height > 0 && width < 1e4 && height < 1e4))
        throw WordProcessorError("picture size out of range");
    std::string url =
        "data:" + std::string(mimeTypeOf(picture.format)) + ";base64," + base64(picture.bytes);
    current().runs.push_back({"", bold_, size_, std::move(url), width, height});
}

int HtmlWordProcessor::addTable(int rows, int columns) {
    requireDocument();
    if (rows < 1 || columns < 1)
        throw WordProcessorError("a table needs a row and a column");
    tables_.push_back(Table{
        {},
        std::vector<double>(static_cast<std::size_t>(columns), 0.0),
        std::vector<std::vector<Cell>>(static_cast<std::size_t>(rows),
                                       std::vector<Cell>(static_cast<std::size_t>(columns)))});
    const int number = static_cast<int>(tables_.size());
    // Text before the insertion point stays above the table; the insertion
    // point stays in its paragraph, now below it.
    Paragraph& here = current();
    if (!here.runs.empty()) {
        Paragraph above = here;
        here.runs.clear();
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(current_), above);
        ++current_;
    }
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(current_), number);
    ++current_;
    return number;
}

HtmlWordProcessor::Table& HtmlWordProcessor::table(int number) {
    requireDocument();
    if (number < 1 || number > static_cast<int>(tables_.size()))
        throw WordProcessorError("no table " + std::to_string(number));
    return tables_[static_cast<std::size_t>(number - 1)];
}

HtmlWordProcessor::Cell& HtmlWordProcessor::cell(int number, int row, int column) {
    Table& t = table(number);
    if (row < 1 || row > static_cast<int>(t.rows.size()) || column < 1 ||
        column > static_cast<int>(t.widths.size()))
        throw WordProcessorError("no cell " + std::to_string(row) + ", " + std::to_string(column));
    return t.rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
}

void HtmlWordProcessor::setTableStyle(int number, const std::string& style) {
    table(number).style = style;
}

void HtmlWordProcessor::setPreferredWidth(int number, int column, double points) {
    Table& t = table(number);
    if (column < 1 || column > static_cast<int>(t.widths.size()))
        throw WordProcessorError("no column " + std::to_string(column));
    t.widths[static_cast<std::size_t>(column - 1)] = points;
}

void HtmlWordProcessor::addRow(int number) {
    Table& t = table(number);
    std::vector<Cell> row = t.rows.back();
    for (Cell& c : row)
        c.text.clear();
    t.rows.push_back(std::move(row));
}

void HtmlWordProcessor::setCellText(int number, int row, int column, const std::string& text) {
    cell(number, row, column).text = text;
}

void HtmlWordProcessor::setCellBold(int number, int row, int column, bool bold) {
    cell(number, row, column).bold = bold;
}

void HtmlWordProcessor::setCellAlignment(int number, int row, int column, Alignment alignment) {
    cell(number, row, column).alignment = alignment;
}

void HtmlWordProcessor::moveToEnd() {
    requireDocument();
    if (std::holds_alternative<int>(blocks_.back()))
        blocks_.push_back(Paragraph{});
    current_ = blocks_.size() - 1;
}

void HtmlWordProcessor::handOver() {
    requireDocument();
    deliver_(html());
}

std::string HtmlWordProcessor::html() const {
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>KAVRO: подбор привода</title>\n"
        "<link rel=\"stylesheet\" href=\"report.css\">\n</head>\n<body class=\"kavro-report\">\n";
    for (const Block& block : blocks_) {
        if (const auto* p = std::get_if<Paragraph>(&block)) {
            out += "<p class=\"" + std::string(alignmentClass(p->alignment));
            if (p->spacing > 0)
                out += " line-" + points(p->spacing);
            if (p->linesBefore > 0 || p->linesAfter > 0)
                out += " spaced";
            out += "\">";
            for (const Run& run : p->runs) {
                // CSS pixels, 96 to the inch, are four thirds of a point.
                if (!run.picture.empty()) {
                    out += "<img alt=\"\" src=\"" + run.picture + "\" width=\"" +
                           points(run.width * 4 / 3) + "\" height=\"" + points(run.height * 4 / 3) +
                           "\">";
                    continue;
                }
                out += "<span class=\"size-" + points(run.size) + (run.bold ? " bold" : "") + "\">";
                out += escapeHtml(run.text) + "</span>";
            }
            // An empty paragraph still takes its line, as in the document.
            out += p->runs.empty() ? "<br></p>\n" : "</p>\n";
            continue;
        }
        const Table& t = tables_[static_cast<std::size_t>(std::get<int>(block) - 1)];
        // The report's one table style is Word's grid ("Сетка таблицы"):
        // any style draws the cell borders.
        out += std::string("<table class=\"") + (t.style.empty() ? "plain" : "grid") +
               "\">\n<colgroup>";
        for (double width : t.widths) {
            out += width > 0 ? "<col width=\"" + points(width * 4 / 3) + "\">" : "<col>";
        }
        out += "</colgroup>\n";
        for (const auto& row : t.rows) {
            out += "<tr>";
            for (const Cell& c : row)
                out += "<td class=\"" + std::string(alignmentClass(c.alignment)) +
                       (c.bold ? " bold" : "") + "\">" + escapeHtml(c.text) + "</td>";
            out += "</tr>\n";
        }
        out += "</table>\n";
    }
    out += "</body>\n</html>\n";
    return out;
}

} // namespace kavro
