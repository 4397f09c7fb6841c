// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "htmlreport/base64.h"
#include "htmlreport/html_report_launcher.h"

#include <gtest/gtest.h>

namespace kavro {
namespace {

TEST(EscapeHtml, LeavesNoMarkupOfTheUsersText) {
    const struct {
        const char* text;
        const char* html;
    } rows[] = {{"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
                {"a & b", "a &amp; b"},
                {"\"x\" 'y'", "&quot;x&quot; &#39;y&#39;"},
                {"&amp;", "&amp;amp;"},
                {"Высота 2000", "Высота 2000"}};
    for (const auto& row : rows)
        EXPECT_EQ(escapeHtml(row.text), row.html);
}

// Paragraphs, a table inserted at the insertion point and the text typed
// after moving to the end: the document's order, as the .docx has it.
TEST(HtmlWordProcessor, KeepsParagraphsAndTablesInTheDocumentsOrder) {
    HtmlReportLauncher launcher;
    auto word = launcher.launch();
    word->addDocument();
    word->setAlignment(Alignment::Center);
    word->setFontSize(14);
    word->setBold(true);
    word->typeText("Заголовок\r\n");
    word->setAlignment(Alignment::Left);
    word->setBold(false);
    word->setFontSize(12);
    word->typeText("до таблицы");
    const int table = word->addTable(1, 2);
    word->setTableStyle(table, "Сетка таблицы");
    word->setPreferredWidth(table, 1, 60);
    word->setCellText(table, 1, 1, "<b>");
    word->setCellBold(table, 1, 1, true);
    word->setCellAlignment(table, 1, 2, Alignment::Center);
    word->addRow(table);
    word->setCellText(table, 2, 2, "второй ряд");
    word->moveToEnd();
    word->typeText("после");
    EXPECT_FALSE(launcher.document);
    word->handOver();
    ASSERT_TRUE(launcher.document);
    const std::string& html = *launcher.document;

    const auto at = [&](const std::string& piece) {
        const std::size_t found = html.find(piece);
        EXPECT_NE(found, std::string::npos) << piece;
        return found;
    };
    EXPECT_LT(at("<p class=\"center\"><span class=\"size-14 bold\">Заголовок</span></p>"),
              at("<p class=\"left\"><span class=\"size-12\">до таблицы</span></p>"));
    EXPECT_LT(at("до таблицы"), at("<table class=\"grid\">"));
    EXPECT_LT(at("<table"), at("второй ряд"));
    EXPECT_LT(at("</table>"), at("после"));
    at("<col width=\"80\"><col>");
    at("<td class=\"left bold\">&lt;b&gt;</td><td class=\"center\"></td>");
    // The added row is formatted like the last one but empty.
    at("<tr><td class=\"left bold\"></td><td class=\"center\">второй ряд</td></tr>");
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(html.find("style="), std::string::npos);
}

// The RFC 4648 vectors: every length of the last group, padded.
TEST(Base64, EncodesAsDataUrlsCarryBytes) {
    const struct {
        std::string bytes;
        const char* text;
    } rows[] = {{"", ""},
                {"f", "Zg=="},
                {"fo", "Zm8="},
                {"foo", "Zm9v"},
                {"foob", "Zm9vYg=="},
                {"fooba", "Zm9vYmE="},
                {"foobar", "Zm9vYmFy"},
                {std::string("\xFF\xFE\0", 3), "//4A"}};
    for (const auto& row : rows)
        EXPECT_EQ(base64(row.bytes), row.text) << row.text;
}

// A picture is in the document itself, sized in CSS pixels.
TEST(HtmlWordProcessor, HoldsAPictureAsADataUrl) {
    HtmlReportLauncher launcher;
    auto word = launcher.launch();
    word->addDocument();
    word->insertPicture(Picture{PictureFormat::Jpeg, 4, 3, "foo"}, 120, 36);
    word->handOver();
    ASSERT_TRUE(launcher.document);
    EXPECT_NE(launcher.document->find(
                  R"(<img alt="" src="data:image/jpeg;base64,Zm9v" width="160" height="48">)"),
              std::string::npos)
        << *launcher.document;
    EXPECT_THROW(word->insertPicture(Picture{}, 0, 36), WordProcessorError);
}

TEST(HtmlWordProcessor, RefusesCallsThatAddressNothing) {
    HtmlReportLauncher launcher;
    auto word = launcher.launch();
    EXPECT_THROW(word->typeText("x"), WordProcessorError); // no document yet
    word->openTemplate();
    const int table = word->addTable(2, 3);
    const struct {
        int table, row, column;
    } rows[] = {{table + 1, 1, 1}, {0, 1, 1},     {table, 3, 1},
                {table, 0, 1},     {table, 1, 4}, {table, 1, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.table << " " << row.row << " " << row.column);
        EXPECT_THROW(word->setCellText(row.table, row.row, row.column, "x"), WordProcessorError);
    }
    EXPECT_NO_THROW(word->setCellText(table, 2, 3, "x"));
    EXPECT_THROW(word->addTable(0, 1), WordProcessorError);
}

} // namespace
} // namespace kavro
