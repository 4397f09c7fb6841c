// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docx_reading.h"
#include "report/docx_word_processor.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace kavro {
namespace {

class KeptDestination : public ReportDestination {
public:
    void deliver(const std::string& bytes) override {
        if (!refusal.empty())
            throw ReportNotDelivered(refusal);
        delivered = bytes;
    }
    std::string refusal;
    std::string delivered;
};

// A word processor on a blank document, read back block by block.
class DocxTyping : public testing::Test {
protected:
    DocxTyping() : word("/nonexistent/KavroBlank.docx", destination) { word.addDocument(); }

    pugi::xml_node body() const { return word.document()->body(); }

    static std::vector<std::string> paragraphTexts(const DocxWordProcessor& typing) {
        std::vector<std::string> texts;
        for (pugi::xml_node p : typing.document()->body().children("w:p"))
            texts.push_back(test::readParagraph(p).text);
        return texts;
    }

    KeptDestination destination;
    DocxWordProcessor word;
};

TEST_F(DocxTyping, LineBreaksEndParagraphsAsEnterDoesAndTextIsKeptClean) {
    const struct {
        const char* name;
        std::vector<std::string> typed, paragraphs;
    } rows[] = {
        {"text without a break continues", {"ab", "cd"}, {"abcd"}},
        {"a leading CR LF starts a paragraph", {"ab", "\r\ncd", "\r\n "}, {"ab", "cd", " "}},
        {"lone breaks count too", {"a\rb\nc"}, {"a", "b", "c"}},
        {"two breaks leave an empty paragraph", {"a\r\n\r\nb"}, {"a", "", "b"}},
        {"a trailing break leaves an empty paragraph", {"a\r\n"}, {"a", ""}},
        {"tabs are kept", {"a\tb"}, {"a\tb"}},
        {"control characters are dropped", {std::string("a\x01\x1F\x0B") + "b"}, {"ab"}},
        {"characters XML forbids are dropped",
         {"a\xEF\xBF\xBF\xEF\xBF\xBE"
          "b"},
         {"ab"}},
        {"broken UTF-8 becomes U+FFFD",
         {"a\xD0"
          "b"},
         {"a\xEF\xBF\xBD"
          "b"}},
        {"markup characters stay text", {"<w:t>&amp;\"'"}, {"<w:t>&amp;\"'"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        KeptDestination fresh;
        DocxWordProcessor typing("/nonexistent/KavroBlank.docx", fresh);
        typing.addDocument();
        for (const std::string& text : row.typed)
            typing.typeText(text);
        EXPECT_EQ(paragraphTexts(typing), row.paragraphs);
    }
}

// The mark of the new paragraph carries bold and size; the properties stand
// in the order Word's schema requires.
TEST_F(DocxTyping, ANewParagraphKeepsTheFormatOfTheOneItEnds) {
    word.setAlignment(Alignment::Center);
    word.setLineSpacing(11);
    word.setLineUnitBefore(0.01);
    word.setBold(true);
    word.setFontSize(14);
    word.typeText("title\r\n");
    const pugi::xml_node second = body().child("w:p").next_sibling("w:p");
    EXPECT_EQ(test::readParagraph(second), (test::Paragraph{"", true, 14, "center"}));
    const pugi::xml_node spacing = second.child("w:pPr").child("w:spacing");
    EXPECT_EQ(spacing.attribute("w:line").as_int(), 220); // 11 points as Word stores them
    EXPECT_EQ(spacing.attribute("w:beforeLines").as_int(), 1);
    std::string names;
    for (pugi::xml_node property : second.child("w:pPr").children())
        names += std::string(property.name()) + " ";
    for (pugi::xml_node property : body().child("w:p").child("w:r").child("w:rPr").children())
        names += std::string(property.name()) + " ";
    EXPECT_EQ(names, "w:spacing w:jc w:rPr w:b w:bCs w:sz w:szCs ");
}

TEST_F(DocxTyping, AnAddedRowIsFormattedLikeTheLastOneAndEmpty) {
    word.setFontSize(12);
    const int table = word.addTable(1, 3);
    word.setPreferredWidth(table, 2, 345);
    word.setCellAlignment(table, 1, 2, Alignment::Center);
    word.setCellText(table, 1, 2, "header");
    word.addRow(table);
    const pugi::xml_node row = body().child("w:tbl").last_child();
    const pugi::xml_node cell = row.first_child().next_sibling();
    EXPECT_EQ(cell.child("w:tcPr").child("w:tcW").attribute("w:w").as_int(), 6900);
    EXPECT_EQ(test::readParagraph(cell.child("w:p")), (test::Paragraph{"", false, 12, "center"}));
}

TEST_F(DocxTyping, CellTextReplacesTheCellsContentInTheCellsFormat) {
    const int table = word.addTable(1, 1);
    word.setCellBold(table, 1, 1, true);
    word.setCellText(table, 1, 1, "first");
    word.setCellText(table, 1, 1, "one\r\ntwo");
    const pugi::xml_node cell = body().child("w:tbl").child("w:tr").child("w:tc");
    std::vector<test::Paragraph> paragraphs;
    for (pugi::xml_node p : cell.children("w:p"))
        paragraphs.push_back(test::readParagraph(p));
    EXPECT_EQ(paragraphs,
              (std::vector<test::Paragraph>{{"one", true, 0, ""}, {"two", true, 0, ""}}));
    word.setCellBold(table, 1, 1, false);
    EXPECT_FALSE(test::readParagraph(cell.child("w:p")).bold);
}

// Calls the report never makes in that form: refused, never written.
TEST_F(DocxTyping, CallsOutsideTheDocumentAreRefused) {
    const std::function<void(WordProcessor&)> calls[] = {
        [](WordProcessor& w) { w.setTableStyle(1, "Нет такого"); },
        [](WordProcessor& w) { w.addRow(2); },
        [](WordProcessor& w) { w.setCellText(1, 2, 1, "x"); },
        [](WordProcessor& w) { w.setCellBold(1, 1, 4, true); },
        [](WordProcessor& w) { w.setPreferredWidth(1, 0, 100); },
        [](WordProcessor& w) { w.setPreferredWidth(1, 1, -5); },
        [](WordProcessor& w) { w.setFontSize(0); },
        [](WordProcessor& w) { w.setLineSpacing(std::nan("")); },
        [](WordProcessor& w) { w.setLineUnitAfter(-0.01); },
        [](WordProcessor& w) { w.addTable(1, 0); },
    };
    word.addTable(1, 3);
    for (std::size_t i = 0; i < std::size(calls); ++i)
        EXPECT_THROW(calls[i](word), WordProcessorError) << "call " << i;
}

// The picture is a part of its own with its type, related to the main
// text under the id its drawing embeds, inline at its size (12,700 EMU to
// the point).
TEST_F(DocxTyping, APictureIsAPartTheTextEmbedsAtItsSize) {
    word.typeText("до");
    word.insertPicture(Picture{PictureFormat::Png, 2, 1, "PNG bytes"}, 120, 36.5);
    word.handOver();
    const auto entries = readZip(destination.delivered, ZipLimits{});
    ASSERT_TRUE(entries);
    std::map<std::string, std::string> parts;
    for (const ZipEntry& entry : *entries)
        parts[entry.name] = entry.bytes;
    EXPECT_EQ(parts["word/media/picture1.png"], "PNG bytes");
    pugi::xml_document types, relationships, main;
    ASSERT_TRUE(types.load_string(parts["[Content_Types].xml"].c_str()));
    ASSERT_TRUE(relationships.load_string(parts["word/_rels/document.xml.rels"].c_str()));
    ASSERT_TRUE(main.load_string(parts["word/document.xml"].c_str()));
    EXPECT_STREQ(types.select_node("//Override[@PartName='/word/media/picture1.png']")
                     .node()
                     .attribute("ContentType")
                     .value(),
                 "image/png");
    const pugi::xml_node image =
        relationships.select_node("//Relationship[@Target='media/picture1.png']").node();
    EXPECT_STREQ(image.attribute("Type").value(),
                 "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image");
    const pugi::xml_node inline_ = main.select_node("//w:p[1]/w:r[2]/w:drawing/wp:inline").node();
    ASSERT_TRUE(inline_) << "the picture follows the text in its paragraph";
    EXPECT_STREQ(inline_.child("wp:extent").attribute("cx").value(), "1524000");
    EXPECT_STREQ(inline_.child("wp:extent").attribute("cy").value(), "463550");
    EXPECT_STREQ(main.select_node("//a:blip").node().attribute("r:embed").value(),
                 image.attribute("Id").value());
    EXPECT_STREQ(main.document_element().attribute("xmlns:pic").value(),
                 "http://schemas.openxmlformats.org/drawingml/2006/picture");
    EXPECT_THROW(word.insertPicture(Picture{}, 0, 1), WordProcessorError);
}

// Delivering is the destination's; a refusal reaches the caller.
TEST_F(DocxTyping, HandingOverPassesTheDestinationsRefusalOn) {
    destination.refusal = "Не удалось";
    try {
        word.handOver();
        FAIL() << "handed over";
    } catch (const ReportNotDelivered& e) {
        EXPECT_STREQ(e.what(), "Не удалось");
    }
}

} // namespace
} // namespace kavro
