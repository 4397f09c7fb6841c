// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

// Reading a .docx back for the tests, independently of the writer: libzip to
// unpack, pugixml to parse, and a plain model of what a reader would see.
namespace kavro::test {

// Every file of a zip archive by name; throws when it is no zip archive.
std::map<std::string, std::string> unzipFile(const std::filesystem::path& file);

// Writes a zip archive of `files` (name, content) in the order given.
void zipFile(const std::filesystem::path& file,
             const std::vector<std::pair<std::string, std::string>>& files);

struct Paragraph {
    std::string text;      // tabs as '\t'
    bool bold = false;     // of the first run (of the mark when it has none)
    double size = 0;       // points, of the first run (mark); 0 when not set
    std::string alignment; // w:jc, empty when not set
    bool operator==(const Paragraph&) const = default;
};

struct Cell {
    Paragraph paragraph; // its first paragraph
    int width = 0;       // twips, w:tcW
};

struct Table {
    std::string styleId;
    std::vector<int> grid; // w:gridCol widths, twips
    std::vector<std::vector<Cell>> rows;
};

// The main text of a document in order: a paragraph ("P") or a table ("T")
// per block, indexes into the two lists.
struct Body {
    std::vector<char> order;
    std::vector<Paragraph> paragraphs;
    std::vector<Table> tables;
};

class DocxFile {
public:
    explicit DocxFile(const std::filesystem::path& file);

    const std::map<std::string, std::string>& parts() const { return parts_; }
    // A part parsed; throws when it is missing or not well-formed.
    const pugi::xml_document& xml(const std::string& part);

    Body body();
    // The name of the style with that id in word/styles.xml.
    std::string styleName(const std::string& styleId);
    // The styles part's w:style element of that id.
    pugi::xml_node style(const std::string& styleId);

private:
    std::map<std::string, std::string> parts_;
    std::map<std::string, pugi::xml_document> parsed_;
};

Paragraph readParagraph(pugi::xml_node p);

} // namespace kavro::test
