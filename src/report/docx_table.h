// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "character_format.h"
#include "core/platform/word_processor.h"

#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace kavro {

// A table (w:tbl) of a WordprocessingML body, worked on as Word's object
// model works on one: rows and columns count from 1, and any call that names
// a cell, row or column the table lacks throws WordProcessorError.
class DocxTable {
public:
    // Inserts a table of rows x columns right after `paragraph`, its columns
    // sharing `width` twips. Word keeps a paragraph behind every table: the
    // one added there, like every cell's paragraph, takes the format of
    // `paragraph`, its mark in `format`.
    static DocxTable insertAfter(pugi::xml_node paragraph, int rows, int columns, int width,
                                 const CharacterFormat& format);

    explicit DocxTable(pugi::xml_node table) : table_(table) {}
    pugi::xml_node node() const { return table_; }

    void setStyle(const std::string& styleId);
    void setPreferredWidth(int column, int twips);
    // Appends a row formatted like the last one, its cells empty.
    void addRow();
    // Replaces the cell's content with `text`, in the cell's character format.
    void setCellText(int row, int column, std::string_view text);
    void setCellBold(int row, int column, bool bold);
    void setCellAlignment(int row, int column, Alignment alignment);

private:
    pugi::xml_node row(int row) const;
    pugi::xml_node cell(int row, int column) const;

    pugi::xml_node table_;
};

} // namespace kavro
