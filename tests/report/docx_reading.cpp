// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docx_reading.h"

#include <memory>
#include <stdexcept>
#include <zip.h>

namespace kavro::test {

std::map<std::string, std::string> unzipFile(const std::filesystem::path& file) {
    int error = 0;
    std::unique_ptr<zip_t, decltype(&zip_discard)> archive(
        zip_open(file.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error), &zip_discard);
    if (!archive)
        throw std::runtime_error("not a zip archive: " + file.string());
    std::map<std::string, std::string> files;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &stat);
        std::string content(stat.size, '\0');
        zip_file_t* f = zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(i), 0);
        if (!f)
            throw std::runtime_error("cannot open entry");
        const zip_int64_t got = zip_fread(f, content.data(), content.size());
        zip_fclose(f);
        if (got != static_cast<zip_int64_t>(content.size()))
            throw std::runtime_error("short entry");
        files[stat.name] = content;
    }
    return files;
}

void zipFile(const std::filesystem::path& file,
             const std::vector<std::pair<std::string, std::string>>& files) {
    int error = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        throw std::runtime_error("cannot create " + file.string());
    for (const auto& [name, content] : files) {
        zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
        if (!source || zip_file_add(archive, name.c_str(), source, 0) < 0)
            throw std::runtime_error("cannot add " + name);
    }
    if (zip_close(archive) != 0)
        throw std::runtime_error("cannot write " + file.string());
}

namespace {

bool isOn(pugi::xml_node property) {
    if (!property)
        return false;
    const std::string value = property.attribute("w:val").value();
    return value.empty() || !(value == "0" || value == "false" || value == "off");
}

} // namespace

Paragraph readParagraph(pugi::xml_node p) {
    Paragraph paragraph;
    for (pugi::xml_node run : p.children("w:r"))
        for (pugi::xml_node piece : run.children()) {
            const std::string name = piece.name();
            if (name == "w:t")
                paragraph.text += piece.text().get();
            else if (name == "w:tab")
                paragraph.text += '\t';
        }
    const pugi::xml_node firstRun = p.child("w:r");
    const pugi::xml_node rPr = firstRun ? firstRun.child("w:rPr") : p.child("w:pPr").child("w:rPr");
    paragraph.bold = isOn(rPr.child("w:b"));
    paragraph.size = rPr.child("w:sz").attribute("w:val").as_double() / 2;
    paragraph.alignment = p.child("w:pPr").child("w:jc").attribute("w:val").value();
    return paragraph;
}

DocxFile::DocxFile(const std::filesystem::path& file) : parts_(unzipFile(file)) {}

const pugi::xml_document& DocxFile::xml(const std::string& part) {
    auto found = parsed_.find(part);
    if (found != parsed_.end())
        return found->second;
    const auto bytes = parts_.find(part);
    if (bytes == parts_.end())
        throw std::runtime_error("no part " + part);
    pugi::xml_document& document = parsed_[part];
    if (!document.load_buffer(bytes->second.data(), bytes->second.size(),
                              pugi::parse_default | pugi::parse_ws_pcdata_single))
        throw std::runtime_error("not well-formed: " + part);
    return document;
}

Body DocxFile::body() {
    Body body;
    for (pugi::xml_node block : xml("word/document.xml").child("w:document").child("w:body")) {
        const std::string name = block.name();
        if (name == "w:p") {
            body.order.push_back('P');
            body.paragraphs.push_back(readParagraph(block));
        } else if (name == "w:tbl") {
            body.order.push_back('T');
            Table table;
            table.styleId = block.child("w:tblPr").child("w:tblStyle").attribute("w:val").value();
            for (pugi::xml_node column : block.child("w:tblGrid").children("w:gridCol"))
                table.grid.push_back(column.attribute("w:w").as_int());
            for (pugi::xml_node tr : block.children("w:tr")) {
                table.rows.emplace_back();
                for (pugi::xml_node tc : tr.children("w:tc"))
                    table.rows.back().push_back(
                        {readParagraph(tc.child("w:p")),
                         tc.child("w:tcPr").child("w:tcW").attribute("w:w").as_int()});
            }
            body.tables.push_back(table);
        }
    }
    return body;
}

pugi::xml_node DocxFile::style(const std::string& styleId) {
    for (pugi::xml_node s : xml("word/styles.xml").child("w:styles").children("w:style"))
        if (styleId == s.attribute("w:styleId").value())
            return s;
    return {};
}

std::string DocxFile::styleName(const std::string& styleId) {
    return style(styleId).child("w:name").attribute("w:val").value();
}

} // namespace kavro::test
