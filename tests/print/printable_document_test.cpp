// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/text_document_word_processor.h"
#include "printed_report.h"

#include <QTextBlock>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace kavro {
namespace {

using test::Body;

struct ReportCase {
    const char* name;
    void (*describe)(UserInput&);
};

class PrintableDocument : public testing::TestWithParam<ReportCase> {};

// One description of the report, two backends: the printable document holds
// what the Word document holds, block for block and cell for cell.
TEST_P(PrintableDocument, ReadsBackAsTheWordDocumentOfTheSameReport) {
    test::BothReports reports;
    GetParam().describe(reports.input);
    test::DocxFile docx = reports.docx();
    const Body word = docx.body();
    const std::unique_ptr<QTextDocument> printable = reports.printable();
    ASSERT_NE(printable, nullptr);
    const Body printed = test::readPrintable(*printable);

    EXPECT_EQ(printed.order, word.order);
    EXPECT_EQ(printed.paragraphs, word.paragraphs);
    ASSERT_EQ(printed.tables.size(), 2u);
    ASSERT_EQ(word.tables.size(), 2u);
    for (std::size_t t = 0; t < 2; ++t) {
        SCOPED_TRACE("table " + std::to_string(t + 1));
        EXPECT_EQ(printed.tables[t].styleId, "grid");
        EXPECT_EQ(printed.tables[t].grid, word.tables[t].grid);
        ASSERT_EQ(printed.tables[t].rows.size(), word.tables[t].rows.size());
        for (std::size_t r = 0; r < word.tables[t].rows.size(); ++r)
            for (std::size_t c = 0; c < 3; ++c)
                EXPECT_EQ(printed.tables[t].rows[r][c].paragraph,
                          word.tables[t].rows[r][c].paragraph)
                    << "row " << r + 1 << ", column " << c + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Reports, PrintableDocument,
                         testing::Values(ReportCase{"Default", [](UserInput&) {}},
                                         ReportCase{"LongestAccessoryList",
                                                    test::describeLongestShutter}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TypingCase {
    const char* name;
    std::string typed;
    std::vector<QString> paragraphs;
};

class Typing : public testing::TestWithParam<TypingCase> {};

TEST_P(Typing, BreaksParagraphsAndDropsWhatWordDrops) {
    QTextDocument document;
    QTextCursor cursor(&document);
    print::typeInto(cursor, GetParam().typed, {});
    std::vector<QString> paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        paragraphs.push_back(block.text());
    EXPECT_EQ(paragraphs, GetParam().paragraphs);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Typing,
    testing::Values(TypingCase{"CrLfIsOneBreak", "a\r\nb", {"a", "b"}},
                    TypingCase{"LoneCrAndLoneLfBreakToo", "a\rb\nc", {"a", "b", "c"}},
                    TypingCase{"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
                    TypingCase{"BreakAtTheEndLeavesAnEmptyParagraph", "a\r\n", {"a", ""}},
                    TypingCase{"TabStaysOtherControlsGo", "a\tb\x01\x1f\x7f", {"a\tb\x7f"}},
                    TypingCase{
                        "NonCharactersGo", "a\xEF\xBF\xBE\xEF\xBF\xBF\xEF\xBF\xBD", {"a\uFFFD"}},
                    TypingCase{"BrokenUtf8BecomesReplacement", "a\xFF", {"a\uFFFD"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct CallCase {
    const char* name;
    std::function<void(WordProcessor&)> call;
    bool refused;
};

class Calls : public testing::TestWithParam<CallCase> {};

// Refused as Word refuses them, at the same limits, so that the report
// ends at the same call in every backend.
TEST_P(Calls, AreRefusedBeyondWordsLimits) {
    print::KeptReport kept;
    print::TextDocumentWordProcessor word(kept);
    word.addDocument();
    word.addTable(1, 3);
    if (GetParam().refused)
        EXPECT_THROW(GetParam().call(word), WordProcessorError);
    else
        EXPECT_NO_THROW(GetParam().call(word));
}

INSTANTIATE_TEST_SUITE_P(
    Limits, Calls,
    testing::Values(
        CallCase{"Template", [](WordProcessor& w) { w.openTemplate(); }, true},
        CallCase{"TableZero", [](WordProcessor& w) { w.setCellText(0, 1, 1, "x"); }, true},
        CallCase{"TablePastTheLast", [](WordProcessor& w) { w.addRow(2); }, true},
        CallCase{"LastRow", [](WordProcessor& w) { w.setCellBold(1, 1, 3, true); }, false},
        CallCase{"RowPastTheLast", [](WordProcessor& w) { w.setCellText(1, 2, 1, "x"); }, true},
        CallCase{"ColumnPastTheLast",
                 [](WordProcessor& w) { w.setCellAlignment(1, 1, 4, Alignment::Left); }, true},
        CallCase{"WidthZero", [](WordProcessor& w) { w.setPreferredWidth(1, 1, 0); }, true},
        CallCase{"WidthOf22Inches", [](WordProcessor& w) { w.setPreferredWidth(1, 3, 1584); },
                 false},
        CallCase{"WidthPast22Inches", [](WordProcessor& w) { w.setPreferredWidth(1, 3, 1584.5); },
                 true},
        CallCase{"LargestFont", [](WordProcessor& w) { w.setFontSize(1638); }, false},
        CallCase{"FontPastTheLargest", [](WordProcessor& w) { w.setFontSize(1638.5); }, true},
        CallCase{"SpacingNaN", [](WordProcessor& w) { w.setLineUnitAfter(std::nan("")); }, true},
        CallCase{"GridByItsEnglishName", [](WordProcessor& w) { w.setTableStyle(1, "Table Grid"); },
                 false},
        CallCase{"UnknownStyle", [](WordProcessor& w) { w.setTableStyle(1, "Сетка"); }, true},
        CallCase{"RowsPastWordsLimit", [](WordProcessor& w) { w.addTable(32768, 1); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintableHandOver, GivesTheDocumentAwayAndRefusesWhatFollows) {
    print::KeptReport kept;
    print::TextDocumentWordProcessor word(kept);
    EXPECT_THROW(word.typeText("x"), WordProcessorError);
    word.addDocument();
    word.typeText("Отчёт");
    word.handOver();
    EXPECT_EQ(word.document(), nullptr);
    EXPECT_THROW(word.typeText("x"), WordProcessorError);
    const std::unique_ptr<QTextDocument> report = kept.take();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->toPlainText(), QStringLiteral("Отчёт"));
}

} // namespace
} // namespace kavro
