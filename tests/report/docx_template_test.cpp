// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/text/utf8.h"
#include "report_fixture.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <regex>

namespace kavro {
namespace {

using Files = std::vector<std::pair<std::string, std::string>>;

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::string kW = R"(xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")";
const std::string kMainType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";

std::string paragraph(const std::string& text) {
    return R"(<w:p><w:pPr><w:pStyle w:val="Letterhead"/></w:pPr><w:r><w:t>)" + text +
           "</w:t></w:r></w:p>";
}

const std::string kLetterheadTable =
    R"(<w:tbl><w:tblPr><w:tblW w:w="0" w:type="auto"/></w:tblPr><w:tblGrid><w:gridCol w:w="5000"/></w:tblGrid>)"
    R"(<w:tr><w:tc><w:tcPr><w:tcW w:w="5000" w:type="dxa"/></w:tcPr><w:p><w:r><w:t>Реквизиты</w:t></w:r></w:p></w:tc></w:tr></w:tbl>)";

// The parts of data/letterhead: a letterhead on US Letter paper with a page
// header; its grid style is Word's, under Word's id for a Russian document.
// `blocks` stand in the body before the section properties.
Files letterhead(const std::string& blocks) {
    Files files;
    for (const char* name : {"[Content_Types].xml", "_rels/.rels", "word/_rels/document.xml.rels",
                             "word/document.xml", "word/styles.xml", "word/header1.xml"})
        files.push_back(
            {name, readFile(std::filesystem::path(KAVRO_TEST_DATA "/letterhead") / name)});
    std::string& document = files[3].second;
    document.replace(document.find("BLOCKS"), 6, blocks);
    return files;
}

std::string& part(Files& files, const std::string& name) {
    for (auto& f : files)
        if (f.first == name)
            return f.second;
    throw std::out_of_range(name);
}

Files without(Files files, const std::string& name) {
    std::erase_if(files, [&](const auto& f) { return f.first == name; });
    return files;
}

// The first line of `text` that holds `marker`, taken out.
void dropLine(std::string& text, const std::string& marker) {
    const std::size_t at = text.rfind('\n', text.find(marker));
    text.erase(at, text.find('\n', at + 1) - at);
}

const std::string kTitle = "Программный продукт \"KAVRO Подбор привода v.1.1\"";

using Template = test::ReportFixture;

// The report is typed after the template's content, into its empty last
// paragraph, and keeps its page, header and styles; the template's own
// table is left alone and its grid style serves the report's two.
TEST_F(Template, TheReportFollowsTheTemplatesOwnContentAndKeepsItsPageAndHeader) {
    test::zipFile(templateFile, letterhead(paragraph("Бланк") + kLetterheadTable +
                                           paragraph("Исх. №") + "<w:p/>"));
    test::DocxFile docx = report();
    const test::Body body = docx.body();
    const std::string blocks(body.order.begin(), body.order.end());
    EXPECT_TRUE(blocks.starts_with("PTPP")) << blocks;
    EXPECT_EQ(body.paragraphs[0].text + "|" + body.paragraphs[1].text + "|" +
                  body.paragraphs[2].text,
              "Бланк|Исх. №|" + kTitle);
    ASSERT_EQ(body.tables.size(), 3u);
    EXPECT_EQ(body.tables[0].rows[0][0].paragraph.text, "Реквизиты");
    EXPECT_EQ(body.tables[0].styleId + "|" + body.tables[1].styleId + "|" + body.tables[2].styleId,
              "|a3|a3");
    int tableStyles = 0;
    for (pugi::xml_node s : docx.xml("word/styles.xml").child("w:styles").children("w:style"))
        tableStyles += std::string_view(s.attribute("w:type").value()) == "table";
    EXPECT_EQ(tableStyles, 2);
    EXPECT_TRUE(docx.style("Letterhead"));

    EXPECT_EQ(docx.parts().at("word/header1.xml"),
              readFile(KAVRO_TEST_DATA "/letterhead/word/header1.xml"));
    const pugi::xml_node section =
        docx.xml("word/document.xml").child("w:document").child("w:body").last_child();
    EXPECT_EQ(section.child("w:pgSz").attribute("w:w").as_int(), 12240);
    EXPECT_STREQ(section.child("w:headerReference").attribute("r:id").value(), "rId2");
}

TEST_F(Template, WithoutStylesTheDocumentGetsAStylesPartForTheGrid) {
    Files files = without(letterhead(paragraph("Бланк")), "word/styles.xml");
    dropLine(part(files, "[Content_Types].xml"), "/word/styles.xml");
    dropLine(part(files, "word/_rels/document.xml.rels"), "styles.xml");
    test::zipFile(templateFile, files);
    test::DocxFile docx = report();
    const test::Body body = docx.body();
    EXPECT_EQ(body.paragraphs[0].text, "Бланк");
    ASSERT_EQ(body.tables.size(), 2u);
    EXPECT_EQ(docx.styleName(body.tables[0].styleId), "Сетка таблицы");
    EXPECT_NE(docx.parts().at("[Content_Types].xml").find("/word/styles.xml"), std::string::npos);
    EXPECT_NE(docx.parts().at("word/_rels/document.xml.rels").find("Target=\"styles.xml\""),
              std::string::npos);
}

TEST_F(Template, AWordTemplateFileBecomesADocument) {
    Files files = letterhead(paragraph("Бланк"));
    std::string& types = part(files, "[Content_Types].xml");
    types.replace(types.find("document.main"), 13, "template.main");
    test::zipFile(templateFile, files);
    test::DocxFile docx = report();
    EXPECT_EQ(docx.body().paragraphs[0].text, "Бланк");
    EXPECT_NE(docx.parts().at("[Content_Types].xml").find(kMainType), std::string::npos);
    EXPECT_EQ(docx.parts().at("[Content_Types].xml").find("template.main"), std::string::npos);
}

// A Word document may be stored in UTF-16; its copy is all UTF-8.
TEST_F(Template, AUtf16MainPartIsWrittenBackAsUtf8) {
    Files files = letterhead(paragraph("Бланк"));
    std::string xml = part(files, "word/document.xml");
    xml.replace(xml.find("UTF-8"), 5, "UTF-16");
    std::string utf16 = "\xFF\xFE"; // little-endian, marked
    for (char32_t c : utf8::decode(xml)) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    part(files, "word/document.xml") = utf16;
    test::zipFile(templateFile, files);
    test::DocxFile docx = report();
    EXPECT_TRUE(docx.parts()
                    .at("word/document.xml")
                    .starts_with(R"(<?xml version="1.0" encoding="UTF-8")"));
    EXPECT_EQ(docx.body().paragraphs[0].text, "Бланк");
    EXPECT_EQ(docx.body().paragraphs[1].text, kTitle);
}

// Writes a zip whose first entry unpacks to many megabytes of zeros.
// It comes first, before a letterhead that would otherwise be taken.
void zipBomb(const std::filesystem::path& file, std::size_t unpacked) {
    Files files = {{"word/media/zeros.bin", std::string(unpacked, '\0')}};
    for (auto& part : letterhead(paragraph("Бланк")))
        files.push_back(std::move(part));
    test::zipFile(file, files);
}

// The same, with both its headers claiming the entry is 1000 bytes.
void lyingZipBomb(const std::filesystem::path& file, std::size_t unpacked) {
    zipBomb(file, unpacked);
    std::fstream zip(file, std::ios::in | std::ios::out | std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(zip)), {});
    const std::uint32_t claimed = 1000;
    for (const auto& [signature, offset] :
         {std::pair<std::string, std::size_t>{"PK\x01\x02", 24}, {"PK\x03\x04", 22}}) {
        const std::size_t at = bytes.find(signature);
        ASSERT_NE(at, std::string::npos);
        std::memcpy(bytes.data() + at + offset, &claimed, sizeof claimed);
    }
    zip.seekp(0);
    zip.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string randomBytes(std::size_t count) {
    std::mt19937 random(4);
    std::string bytes(count, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

using Writer = std::function<void(const std::filesystem::path&)>;

// The letterhead, with its paragraph "Бланк", without one part or with one
// part's text set (added when the letterhead has no part of that name).
// Were such a template taken, the report would follow "Бланк".
Writer zipWithout(const std::string& name) {
    return
        [name](const auto& f) { test::zipFile(f, without(letterhead(paragraph("Бланк")), name)); };
}
Writer zipWith(const std::string& name, const std::string& content) {
    return [name, content](const auto& f) {
        Files files = letterhead(paragraph("Бланк"));
        const auto found = std::find_if(files.begin(), files.end(),
                                        [&](const auto& file) { return file.first == name; });
        if (found == files.end())
            files.push_back({name, content});
        else
            found->second = content;
        test::zipFile(f, files);
    };
}

// Each gives way to a blank document without a message.
TEST_F(Template, BrokenTemplatesGiveWayToABlankDocument) {
    const struct {
        const char* name;
        Writer write;
    } rows[] = {
        {"empty file", [](const auto& f) { writeBytes(f, ""); }},
        {"random bytes", [](const auto& f) { writeBytes(f, "PK\x03\x04" + randomBytes(4096)); }},
        {"a folder", [](const auto& f) { std::filesystem::create_directory(f); }},
        {"no main part", zipWithout("word/document.xml")},
        {"no content types", zipWithout("[Content_Types].xml")},
        {"main part not XML", zipWith("word/document.xml", "<w:document")},
        {"main part of another kind", zipWith("word/document.xml", "<w:document " + kW + "/>")},
        {"strict namespace",
         zipWith("word/document.xml", R"(<w:document xmlns:w="http://purl.oclc.org/ooxml/)"
                                      R"(wordprocessingml/main"><w:body/></w:document>)")},
        {"spreadsheet package",
         zipWith("[Content_Types].xml",
                 std::regex_replace(readFile(KAVRO_TEST_DATA "/letterhead/[Content_Types].xml"),
                                    std::regex("wordprocessingml.document"),
                                    "spreadsheetml.sheet"))},
        {"broken styles", zipWith("word/styles.xml", "<w:styles")},
        {"two entries of one name", zipWith("WORD/document.xml", "<x/>")},
        {"too many entries",
         [](const auto& f) {
             Files files = letterhead(paragraph("Бланк"));
             for (int i = 0; i < 1000; ++i)
                 files.push_back({"media/" + std::to_string(i), "x"});
             test::zipFile(f, files);
         }},
        {"zip bomb", [](const auto& f) { zipBomb(f, 80u << 20); }},
        {"zip bomb lying about its size", [](const auto& f) { lyingZipBomb(f, 80u << 20); }},
        // Random bytes do not compress: the file itself is over 32 MiB.
        {"file over 32 MiB",
         [](const auto& f) {
             Files files = letterhead(paragraph("Бланк"));
             files.push_back({"word/media/noise.bin", randomBytes((32u << 20) + 1)});
             test::zipFile(f, files);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(templateFile);
        row.write(templateFile);
        const test::Body body = report().body();
        ASSERT_FALSE(body.paragraphs.empty());
        EXPECT_EQ(body.paragraphs[0].text, kTitle);
        EXPECT_EQ(body.tables.size(), 2u);
    }
}

} // namespace
} // namespace kavro
