// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/order/opening_calculator.h"
#include "core/report/order_report.h"
#include "orderio/order_file.h"
#include "pdf_tools.h"
#include "print/page_geometry.h"
#include "print/pdf_file_destination.h"
#include "print/report_pages.h"
#include "print/text_document_word_processor.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace kavro {
namespace {

// Writes a one-column grid table as the PDF `file`, typed as the report
// types its tables; returns its pages.
std::vector<print::ReportPages::Page> writeTable(const std::vector<std::string>& rows,
                                                 const std::filesystem::path& file) {
    print::KeptReport kept;
    print::TextDocumentWordProcessor word(kept);
    word.addDocument();
    const int table = word.addTable(1, 1);
    word.setTableStyle(table, "Сетка таблицы");
    word.setPreferredWidth(table, 1, 345);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (row > 0)
            word.addRow(table);
        word.setCellText(table, static_cast<int>(row) + 1, 1, rows[row]);
    }
    word.handOver();
    std::unique_ptr<QTextDocument> report = kept.take();
    const std::vector<print::ReportPages::Page> pages = print::ReportPages(*report).pages();
    print::PdfFileDestination(file).deliver(std::move(report));
    return pages;
}

// Read back from the PDF: each page starts with the start of a row and ends
// with the end of one, so no page break went through a row; and the rows
// are all there, once and in order, so no text was drawn twice under a
// page's clip, where search would find it.
TEST(ReportPages, BreakBetweenRowsNeverThroughOne) {
    test::TempFolder folder;
    std::vector<std::string> rows;
    std::string all;
    for (int n = 1; n <= 120; ++n) {
        rows.push_back("начало-" + std::to_string(n) + " крепление лёгкое для приводов с " +
                       "моментом до 35 Нм (крышка роллеты от 165 до 205 мм) конец-" +
                       std::to_string(n));
        all += rows.back() + " ";
    }
    const auto pages = writeTable(rows, folder / "rows.pdf");
    ASSERT_GE(pages.size(), 3u);
    std::string printed;
    for (int page = 1; page <= static_cast<int>(pages.size()); ++page) {
        const auto& [top, bottom, above, below] = pages[static_cast<std::size_t>(page - 1)];
        EXPECT_LE(bottom - top, print::PageGeometry::textArea().height()) << "page " << page;
        const std::string text = test::words(test::pdfText(folder / "rows.pdf", page));
        EXPECT_TRUE(text.starts_with("начало-")) << "page " << page;
        EXPECT_NE(text.find("конец-", text.rfind("начало-")), std::string::npos) << "page " << page;
        printed += text + " ";
    }
    EXPECT_EQ(test::words(printed), test::words(all));
}

// A row taller than a page cannot stay whole: it is cut between two of its
// lines, and every line is printed once.
TEST(ReportPages, CutARowTallerThanAPageBetweenItsLines) {
    test::TempFolder folder;
    std::string tall = "строка-1";
    for (int line = 2; line <= 90; ++line)
        tall += "\r\nстрока-" + std::to_string(line);
    EXPECT_GE(writeTable({tall}, folder / "tall.pdf").size(), 2u);
    EXPECT_EQ(test::words(test::pdfText(folder / "tall.pdf")), test::words(tall));
}

// Openings whose long locations wrap in the openings table and the headings;
// 40 mm shafts bring warning lines, cranks and fixings long accessory names.
Order longOrder(int openings) {
    Order order{"Коттедж на берегу", {}};
    for (int i = 0; i < openings; ++i) {
        Opening& opening = order.openings.emplace_back();
        opening.location = "Проём " + std::to_string(i + 1) +
                           std::string(i % 2 ? " — гостиная на втором этаже, окно над лестницей "
                                               "у северной стены дома"
                                             : "");
        opening.inputs.shaft = i % 5 == 0 ? "40" : "60";
        opening.inputs.width = std::to_string(700 + 91 * i);
        opening.inputs.fixing = i % 3;
        opening.inputs.crank = i % 4 == 0;
    }
    return order;
}

// Each page's PDF text holds the lines that page shows and no other: read
// page by page and put together, it is the document's text (white space
// aside, as a narrow cell breaks a long word), each line once and in order.
// And where paragraphs and rows are short, no page is left much emptier
// than full (the long locations wrap into rows of a dozen lines).
TEST(ReportPages, EachLineOfTheOrderReportIsOnOnePageOfThePdf) {
    const struct {
        Order order;
        bool filled;
    } orders[] = {{OrderFile::read(KAVRO_EXAMPLES "/house.kavro"), true}, {longOrder(40), false}};
    auto squeezed = [](std::string text) {
        std::erase_if(text, [](unsigned char c) { return std::isspace(c); });
        return text;
    };
    for (const auto& [order, filled] : orders) {
        std::vector<OpeningResults> results;
        for (const Opening& opening : order.openings)
            results.push_back(OpeningCalculator::compute(opening));
        print::KeptReport kept;
        print::TextDocumentWordProcessor word(kept);
        typeOrderReport(order, results, "07.12.2026", word);
        std::unique_ptr<QTextDocument> report = kept.take();
        const std::string typed = squeezed(report->toPlainText().toStdString());
        const auto pages = print::ReportPages(*report).pages();
        test::TempFolder folder;
        print::PdfFileDestination(folder / "order.pdf").deliver(std::move(report));
        ASSERT_GE(pages.size(), 2u) << order.title;
        std::string printed;
        for (std::size_t page = 0; page < pages.size(); ++page) {
            printed += squeezed(test::pdfText(folder / "order.pdf", static_cast<int>(page) + 1));
            const double height = pages[page].bottom - pages[page].top;
            if (filled && page + 1 < pages.size()) {
                EXPECT_GT(height, 0.9 * print::PageGeometry::textArea().height())
                    << order.title << ", page " << page + 1;
            }
        }
        // Where they part, rather than both whole.
        const std::size_t at = static_cast<std::size_t>(
            std::mismatch(printed.begin(), printed.end(), typed.begin(), typed.end()).first -
            printed.begin());
        EXPECT_EQ(printed.substr(at, 200), typed.substr(at, 200)) << order.title;
    }
}

} // namespace
} // namespace kavro
