// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/word_processor.h"

#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace kavro {

// A word processor that keeps the typed report as paragraphs and tables and
// hands it over as one printable HTML document (A4 pages). Formatting goes
// into class names, never into inline styles or scripts: the page that shows
// the document allows neither, and ships report.css for the classes.
class HtmlWordProcessor : public WordProcessor {
public:
    // Receives the finished document.
    explicit HtmlWordProcessor(std::function<void(std::string)> deliver);

    // There is no template in the browser: a letterhead goes into a blank page.
    void openTemplate() override;
    void addDocument() override;
    void setAlignment(Alignment alignment) override;
    void setLineUnitAfter(double lines) override;
    void setLineUnitBefore(double lines) override;
    void setLineSpacing(double points) override;
    void setBold(bool bold) override;
    void setFontSize(double points) override;
    void typeText(const std::string& text) override;
    void insertPicture(const Picture& picture, double width, double height) override;
    int addTable(int rows, int columns) override;
    void setTableStyle(int table, const std::string& style) override;
    void setPreferredWidth(int table, int column, double points) override;
    void addRow(int table) override;
    void setCellText(int table, int row, int column, const std::string& text) override;
    void setCellBold(int table, int row, int column, bool bold) override;
    void setCellAlignment(int table, int row, int column, Alignment alignment) override;
    void moveToEnd() override;
    void handOver() override;

    // The document as it stands.
    std::string html() const;

private:
    struct Run {
        std::string text;
        bool bold;
        double size;
        // A picture instead of text: its data: URL and size in points.
        std::string picture = {};
        double width = 0;
        double height = 0;
    };
    struct Paragraph {
        Alignment alignment = Alignment::Left;
        double linesBefore = 0;
        double linesAfter = 0;
        double spacing = 0; // points; 0: single
        std::vector<Run> runs;
    };
    struct Cell {
        std::string text;
        bool bold = false;
        Alignment alignment = Alignment::Left;
    };
    struct Table {
        std::string style;
        std::vector<double> widths; // points, 0: not given
        std::vector<std::vector<Cell>> rows;
    };
    // A paragraph, or the number of a table (1 for the first).
    using Block = std::variant<Paragraph, int>;

    void requireDocument() const;
    Paragraph& current();
    Table& table(int number);
    Cell& cell(int table, int row, int column);

    std::function<void(std::string)> deliver_;
    bool open_ = false;
    std::vector<Block> blocks_;
    std::size_t current_ = 0; // the paragraph at the insertion point
    std::vector<Table> tables_;
    bool bold_ = false;
    double size_ = 12;
};

// Text made safe as HTML element content and attribute values.
std::string escapeHtml(const std::string& text);

} // namespace kavro
