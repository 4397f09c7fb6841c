// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/text/utf8.h"
#include "report_fixture.h"

#include <cstring>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <random>

namespace kavro {
namespace {

using Files = std::vector<std::pair<std::string, std::string>>;

const std::string kW =
    R"(xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" )"
    R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")";
const std::string kRelationships =
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)";
const std::string kOfficeDocument =
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)";
const std::string kMainType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";

std::string contentTypes(const std::string& mainType = kMainType, bool styles = true) {
    return R"(<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
           R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
           R"(<Default Extension="xml" ContentType="application/xml"/>)"
           R"(<Override PartName="/word/document.xml" ContentType=")" +
           mainType + R"("/>)" +
           (styles
                ? R"(<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>)"
                : "") +
           R"(<Override PartName="/word/header1.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml"/>)"
           "</Types>";
}

std::string documentRelationships(bool styles = true) {
    return kRelationships +
           (styles
                ? R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
                : "") +
           R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/header" Target="header1.xml"/>)"
           "</Relationships>";
}

std::string paragraph(const std::string& text) {
    return R"(<w:p><w:pPr><w:pStyle w:val="Letterhead"/></w:pPr><w:r><w:t>)" + text +
           "</w:t></w:r></w:p>";
}

// A letterhead on US Letter paper with a page header and a table of its own;
// its grid style is Word's, under Word's id for a Russian document.
std::string document(const std::string& blocks) {
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:document )" + kW +
           "><w:body>" + blocks +
           R"(<w:sectPr><w:headerReference w:type="default" r:id="rId2"/>)"
           R"(<w:pgSz w:w="12240" w:h="15840"/><w:pgMar w:top="1000" w:right="1000" )"
           R"(w:bottom="1000" w:left="1000" w:header="500" w:footer="500" w:gutter="0"/>)"
           "</w:sectPr></w:body></w:document>";
}

const std::string kLetterheadTable =
    R"(<w:tbl><w:tblPr><w:tblW w:w="0" w:type="auto"/></w:tblPr><w:tblGrid><w:gridCol w:w="5000"/></w:tblGrid>)"
    R"(<w:tr><w:tc><w:tcPr><w:tcW w:w="5000" w:type="dxa"/></w:tcPr><w:p><w:r><w:t>Реквизиты</w:t></w:r></w:p></w:tc></w:tr></w:tbl>)";

const std::string kStyles =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:styles )" + kW +
    R"(><w:style w:type="paragraph" w:styleId="Letterhead"><w:name w:val="Letterhead"/></w:style>)"
    R"(<w:style w:type="table" w:default="1" w:styleId="a1"><w:name w:val="Normal Table"/></w:style>)"
    R"(<w:style w:type="table" w:styleId="a3"><w:name w:val="Table Grid"/><w:basedOn w:val="a1"/></w:style>)"
    "</w:styles>";

const std::string kHeader = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:hdr )" +
                            kW + R"(><w:p><w:r><w:t>ООО «Ромашка»</w:t></w:r></w:p></w:hdr>)";

Files letterhead(const std::string& blocks) {
    return {{"[Content_Types].xml", contentTypes()},
            {"_rels/.rels", kRelationships + kOfficeDocument + "</Relationships>"},
            {"word/_rels/document.xml.rels", documentRelationships()},
            {"word/document.xml", document(blocks)},
            {"word/styles.xml", kStyles},
            {"word/header1.xml", kHeader}};
}

Files without(Files files, const std::string& name) {
    std::erase_if(files, [&](const auto& f) { return f.first == name; });
    return files;
}

Files replacing(Files files, const std::string& name, const std::string& content) {
    for (auto& f : files)
        if (f.first == name)
            f.second = content;
    return files;
}

const std::string kTitle = "Программный продукт \"KAVRO Подбор привода v.1.1\"";

using Template = test::ReportFixture;

TEST_F(Template, TheReportFollowsTheTemplatesOwnContentAndKeepsItsPageAndHeader) {
    test::zipFile(templateFile,
                  letterhead(paragraph("Бланк") + kLetterheadTable + paragraph("Исх. №")));
    test::DocxFile docx = report();
    const test::Body body = docx.body();
    const std::string blocks(body.order.begin(), body.order.end());
    EXPECT_TRUE(blocks.starts_with("PTPP")) << blocks;
    EXPECT_EQ(body.paragraphs[0].text, "Бланк");
    EXPECT_EQ(body.paragraphs[1].text, "Исх. №");
    EXPECT_EQ(body.paragraphs[2].text, kTitle);

    // The template's table is left alone; the report's two follow it.
    ASSERT_EQ(body.tables.size(), 3u);
    EXPECT_EQ(body.tables[0].styleId, "");
    EXPECT_EQ(body.tables[0].rows[0][0].paragraph.text, "Реквизиты");
    EXPECT_EQ(body.tables[1].rows[0][0].paragraph.text, "Артикул");
    EXPECT_EQ(body.tables[2].rows[0][2].paragraph.text, "Количество");

    EXPECT_EQ(docx.parts().at("word/header1.xml"), kHeader);
    const pugi::xml_node section =
        docx.xml("word/document.xml").child("w:document").child("w:body").last_child();
    EXPECT_EQ(section.child("w:pgSz").attribute("w:w").as_int(), 12240);
    EXPECT_STREQ(section.child("w:headerReference").attribute("r:id").value(), "rId2");
    EXPECT_TRUE(docx.style("Letterhead"));
}

TEST_F(Template, ItsGridStyleServesTheReportsTables) {
    test::zipFile(templateFile, letterhead(paragraph("Бланк")));
    test::DocxFile docx = report();
    const test::Body body = docx.body();
    ASSERT_EQ(body.tables.size(), 2u);
    EXPECT_EQ(body.tables[0].styleId, "a3");
    EXPECT_EQ(body.tables[1].styleId, "a3");
    int tableStyles = 0;
    for (pugi::xml_node s : docx.xml("word/styles.xml").child("w:styles").children("w:style"))
        tableStyles += std::string_view(s.attribute("w:type").value()) == "table";
    EXPECT_EQ(tableStyles, 2);
}

TEST_F(Template, AnEmptyLastParagraphIsWhereTypingBegins) {
    test::zipFile(templateFile, letterhead(paragraph("Бланк") + "<w:p/>"));
    const test::Body body = report().body();
    EXPECT_EQ(body.paragraphs[0].text, "Бланк");
    EXPECT_EQ(body.paragraphs[1].text, kTitle);
}

TEST_F(Template, WithoutStylesTheDocumentGetsAStylesPartForTheGrid) {
    Files files = letterhead(paragraph("Бланк"));
    files[0].second = contentTypes(kMainType, false);
    files[2].second = documentRelationships(false);
    files.erase(files.begin() + 4); // word/styles.xml
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
    files[0].second = contentTypes(
        "application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml");
    test::zipFile(templateFile, files);
    test::DocxFile docx = report();
    EXPECT_EQ(docx.body().paragraphs[0].text, "Бланк");
    EXPECT_NE(docx.parts().at("[Content_Types].xml").find(kMainType), std::string::npos);
    EXPECT_EQ(docx.parts().at("[Content_Types].xml").find("template.main"), std::string::npos);
}

// A Word document may be stored in UTF-16; its copy is all UTF-8.
TEST_F(Template, AUtf16MainPartIsWrittenBackAsUtf8) {
    std::string xml = document(paragraph("Бланк"));
    xml.replace(xml.find("UTF-8"), 5, "UTF-16");
    std::string utf16 = "\xFF\xFE"; // little-endian, marked
    for (char32_t c : utf8::decode(xml)) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    test::zipFile(templateFile, replacing(letterhead(""), "word/document.xml", utf16));
    test::DocxFile docx = report();
    EXPECT_TRUE(docx.parts()
                    .at("word/document.xml")
                    .starts_with(R"(<?xml version="1.0" encoding="UTF-8")"));
    EXPECT_EQ(docx.body().paragraphs[0].text, "Бланк");
    EXPECT_EQ(docx.body().paragraphs[1].text, kTitle);
}

// Writes a zip whose one entry unpacks to many megabytes of zeros.
void zipBomb(const std::filesystem::path& file, std::size_t unpacked) {
    test::zipFile(file, {{"word/document.xml", std::string(unpacked, '\0')}});
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

struct BrokenTemplate {
    const char* name;
    std::function<void(const std::filesystem::path&)> write;
};
std::ostream& operator<<(std::ostream& out, const BrokenTemplate& c) {
    return out << c.name;
}

class BrokenTemplates : public Template, public testing::WithParamInterface<BrokenTemplate> {};

TEST_P(BrokenTemplates, GiveWayToABlankDocumentWithoutAMessage) {
    GetParam().write(templateFile);
    const test::Body body = report().body();
    ASSERT_FALSE(body.paragraphs.empty());
    EXPECT_EQ(body.paragraphs[0].text, kTitle);
    EXPECT_EQ(body.tables.size(), 2u);
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenTemplates,
    testing::Values(
        BrokenTemplate{"EmptyFile", [](const auto& f) { writeBytes(f, ""); }},
        BrokenTemplate{"RandomBytes",
                       [](const auto& f) {
                           std::mt19937 random(4);
                           std::string bytes(4096, '\0');
                           for (char& c : bytes)
                               c = static_cast<char>(random());
                           writeBytes(f, "PK\x03\x04" + bytes);
                       }},
        BrokenTemplate{"AFolder", [](const auto& f) { std::filesystem::create_directory(f); }},
        BrokenTemplate{"ZipWithoutTheMainPart",
                       [](const auto& f) {
                           test::zipFile(f,
                                         without(letterhead(paragraph("x")), "word/document.xml"));
                       }},
        BrokenTemplate{"ZipWithoutContentTypes",
                       [](const auto& f) {
                           test::zipFile(
                               f, without(letterhead(paragraph("x")), "[Content_Types].xml"));
                       }},
        BrokenTemplate{"MainPartNotXml",
                       [](const auto& f) {
                           test::zipFile(
                               f, replacing(letterhead(""), "word/document.xml", "<w:document"));
                       }},
        BrokenTemplate{"MainPartOfAnotherKind",
                       [](const auto& f) {
                           test::zipFile(f, replacing(letterhead(""), "word/document.xml",
                                                      "<w:document " + kW + "/>"));
                       }},
        BrokenTemplate{
            "StrictNamespace",
            [](const auto& f) {
                test::zipFile(
                    f,
                    replacing(
                        letterhead(""), "word/document.xml",
                        R"(<w:document xmlns:w="http://purl.oclc.org/ooxml/wordprocessingml/main"><w:body/></w:document>)"));
            }},
        BrokenTemplate{
            "SpreadsheetPackage",
            [](const auto& f) {
                test::zipFile(
                    f, replacing(
                           letterhead(""), "[Content_Types].xml",
                           contentTypes(
                               "application/"
                               "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml")));
            }},
        BrokenTemplate{"BrokenStyles",
                       [](const auto& f) {
                           test::zipFile(f,
                                         replacing(letterhead(""), "word/styles.xml", "<w:styles"));
                       }},
        BrokenTemplate{"TwoEntriesOfOneName",
                       [](const auto& f) {
                           Files files = letterhead("");
                           files.push_back({"WORD/document.xml", "<x/>"});
                           test::zipFile(f, files);
                       }},
        BrokenTemplate{"TooManyEntries",
                       [](const auto& f) {
                           Files files = letterhead("");
                           for (int i = 0; i < 1000; ++i)
                               files.push_back({"media/" + std::to_string(i), "x"});
                           test::zipFile(f, files);
                       }},
        BrokenTemplate{"ZipBomb", [](const auto& f) { zipBomb(f, 80u << 20); }},
        BrokenTemplate{"ZipBombLyingAboutItsSize",
                       [](const auto& f) { lyingZipBomb(f, 80u << 20); }},
        BrokenTemplate{"HugeFile",
                       [](const auto& f) {
                           test::zipFile(f, letterhead(paragraph("x")));
                           std::filesystem::resize_file(f, 40u << 20); // sparse: costs no disk
                       }}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace kavro
