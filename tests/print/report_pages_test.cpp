// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdf_tools.h"
#include "print/page_geometry.h"
#include "print/pdf_file_destination.h"
#include "print/report_pages.h"
#include "print/text_document_word_processor.h"
#include "temp_folder.h"

#include <gtest/gtest.h>
#include <string>

namespace kavro {
namespace {

using print::PageGeometry;
using print::ReportPages;

// A grid table of `rows` rows, typed as the report types its tables, each
// row's name long enough to wrap onto a second line inside its cell; rows
// are marked "начало-N" and "конец-N" at the two ends of their names.
std::unique_ptr<QTextDocument> longTable(int rows) {
    print::KeptReport kept;
    print::TextDocumentWordProcessor word(kept);
    word.addDocument();
    word.typeText("Аксессуары");
    const int table = word.addTable(1, 3);
    word.setTableStyle(table, "Сетка таблицы");
    const double widths[] = {100, 345, 80};
    for (int column = 1; column <= 3; ++column)
        word.setPreferredWidth(table, column, widths[column - 1]);
    for (int row = 2; row <= rows; ++row) {
        word.addRow(table);
        const std::string n = std::to_string(row);
        word.setCellText(table, row, 1, "42000" + n);
        word.setCellText(table, row, 2,
                         "начало-" + n + " крепление лёгкое для приводов с моментом до 35 Нм " +
                             "(крышка роллеты от 165 до 205 мм) конец-" + n);
    }
    word.handOver();
    return kept.take();
}

void writePdf(std::unique_ptr<QTextDocument> report, const std::filesystem::path& file) {
    print::PdfFileDestination pdf(file);
    pdf.deliver(std::move(report));
}

int pageOf(const std::vector<std::string>& pages, const std::string& marker) {
    for (std::size_t p = 0; p < pages.size(); ++p)
        if (test::words(pages[p]).find(marker + " ") != std::string::npos ||
            test::words(pages[p]).ends_with(marker))
            return static_cast<int>(p);
    return -1;
}

TEST(ReportPages, FollowOneAnotherAndNoneIsTallerThanTheTextArea) {
    const std::unique_ptr<QTextDocument> report = longTable(120);
    const ReportPages pages(*report);
    ASSERT_GE(pages.pages().size(), 3u);
    double top = 0;
    for (const ReportPages::Page& page : pages.pages()) {
        EXPECT_DOUBLE_EQ(page.top, top);
        EXPECT_LE(page.bottom - page.top, PageGeometry::textArea().height());
        top = page.bottom;
    }
}

// Read back from the PDF: each row's two ends are on the same page, so no
// page break went through a row, and the name wrapped inside its cell.
TEST(ReportPages, BreakBetweenRowsNeverThroughOne) {
    test::TempFolder folder;
    const int rows = 120;
    writePdf(longTable(rows), folder / "rows.pdf");
    const int pageCount = static_cast<int>(ReportPages(*longTable(rows)).pages().size());
    std::vector<std::string> pages;
    for (int p = 1; p <= pageCount; ++p)
        pages.push_back(test::pdfText(folder / "rows.pdf", p));
    ASSERT_GE(pages.size(), 3u);
    for (int row = 2; row <= rows; ++row) {
        const std::string n = std::to_string(row);
        const int start = pageOf(pages, "начало-" + n);
        ASSERT_NE(start, -1) << "row " << n;
        EXPECT_EQ(pageOf(pages, "конец-" + n), start) << "row " << n;
    }
    // The name takes two lines of its own cell: the article is beside its
    // first line only.
    EXPECT_NE(pages[0].find("420002 начало-2 "), std::string::npos);
    EXPECT_EQ(pages[0].find("420002 начало-2 крепление лёгкое для приводов с моментом до 35 Нм "
                            "(крышка роллеты от 165 до 205 мм) конец-2"),
              std::string::npos);
}

// A row taller than a page cannot stay whole: it is cut where the pages end
// and nothing of it is lost.
TEST(ReportPages, CutARowTallerThanAPage) {
    print::KeptReport kept;
    print::TextDocumentWordProcessor word(kept);
    word.addDocument();
    const int table = word.addTable(1, 1);
    std::string tall = "строка-1";
    for (int line = 2; line <= 90; ++line)
        tall += "\r\nстрока-" + std::to_string(line);
    word.setCellText(table, 1, 1, tall);
    word.handOver();
    std::unique_ptr<QTextDocument> report = kept.take();
    EXPECT_GE(ReportPages(*report).pages().size(), 2u);

    test::TempFolder folder;
    writePdf(std::move(report), folder / "tall.pdf");
    const std::vector<std::string> lines = test::squeezedLines(test::pdfText(folder / "tall.pdf"));
    ASSERT_EQ(lines.size(), 90u);
    EXPECT_EQ(lines.front(), "строка-1");
    EXPECT_EQ(lines.back(), "строка-90");
}

} // namespace
} // namespace kavro
