// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdf_tools.h"
#include "print/pdf_file_destination.h"
#include "printed_report.h"
#include "script_runner.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace kavro {
namespace {

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every paragraph and every cell of the Word document, in order.
std::string wordText(const test::Body& body) {
    std::string text;
    std::size_t paragraph = 0;
    std::size_t table = 0;
    for (char block : body.order) {
        if (block == 'P') {
            text += body.paragraphs[paragraph++].text + " ";
            continue;
        }
        for (const auto& row : body.tables[table].rows)
            for (const test::Cell& cell : row)
                text += cell.paragraph.text + " ";
        ++table;
    }
    return test::words(text);
}

class LongestReportPdf : public testing::Test {
protected:
    void SetUp() override {
        test::describeLongestShutter(reports.input);
        print::PdfFileDestination(file).deliver(reports.printable());
    }

    test::BothReports reports;
    std::filesystem::path file = reports.folder / "report.pdf";
};

TEST_F(LongestReportPdf, PassesQpdfsCheck) {
    const test::CommandResult check =
        test::runCommand("qpdf --check " + test::shellQuoted(file) + " 2>&1");
    EXPECT_EQ(check.status, 0) << check.output;
}

// Each font is embedded and carries its Unicode map; the table starts after
// pdffonts' two heading lines.
TEST_F(LongestReportPdf, EmbedsEveryFontWithItsUnicodeMap) {
    const test::CommandResult fonts = test::runCommand("pdffonts " + test::shellQuoted(file));
    ASSERT_EQ(fonts.status, 0);
    std::istringstream lines(fonts.output);
    std::string line;
    std::getline(lines, line);
    std::getline(lines, line);
    int count = 0;
    while (std::getline(lines, line)) {
        std::istringstream columns(line);
        std::vector<std::string> fields{std::istream_iterator<std::string>(columns), {}};
        ASSERT_GE(fields.size(), 7u) << line;
        // name, type (two words), encoding, emb, sub, uni, object, generation
        EXPECT_EQ(fields[fields.size() - 5], "yes") << "embedded: " << line;
        EXPECT_EQ(fields[fields.size() - 3], "yes") << "unicode map: " << line;
        ++count;
    }
    EXPECT_EQ(count, 2) << "the regular and the bold face";
}

// The Cyrillic text comes back out, every word, in the order of the report.
TEST_F(LongestReportPdf, GivesBackTheWordDocumentsTextInOrder) {
    test::DocxFile docx = reports.docx();
    EXPECT_EQ(test::words(test::pdfText(file)), wordText(docx.body()));
}

TEST(PdfFile, ReplacesAnOldFileWhole) {
    test::TempFolder folder;
    const std::filesystem::path file = folder / "report.pdf";
    std::ofstream(file) << "old";
    test::BothReports reports;
    print::PdfFileDestination(file).deliver(reports.printable());
    EXPECT_TRUE(fileBytes(file).starts_with("%PDF-"));
    EXPECT_TRUE(fileBytes(file).ends_with("%%EOF\n"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

struct FailureCase {
    const char* name;
    const char* file; // in a fresh folder
    const char* reason;
};

class PdfFileFailure : public testing::TestWithParam<FailureCase> {};

// The user learns why in words, and nothing is left behind or lost.
TEST_P(PdfFileFailure, IsToldAndChangesNothing) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder / "folder");
    std::ofstream(folder / "folder" / "kept.txt") << "kept";
    const std::filesystem::path file = folder / GetParam().file;
    test::BothReports reports;
    try {
        print::PdfFileDestination(file).deliver(reports.printable());
        ADD_FAILURE() << "the PDF was written";
    } catch (const ReportNotDelivered& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Не удалось записать отчёт в файл «" + file.string() + "»: " + GetParam().reason);
    }
    EXPECT_EQ(fileBytes(folder / "folder" / "kept.txt"), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "folder"), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(Files, PdfFileFailure,
                         testing::Values(FailureCase{"NoSuchFolder", "missing/report.pdf",
                                                     "такой папки нет"},
                                         FailureCase{"NameOfAFolder", "folder", "это папка"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DriverPdf, WritesTheReportAsAPdf) {
    test::TempFolder folder;
    std::ostringstream out;
    ScriptRunner runner(out);
    runner.runLine("start");
    runner.runLine("pdf " + (folder / "kavro report.pdf").string());
    EXPECT_EQ(out.str(), "");
    const std::string text = test::words(test::pdfText(folder / "kavro report.pdf"));
    EXPECT_TRUE(text.starts_with("Программный продукт \"KAVRO Подбор привода v.1.1\" "
                                 "Начальные данные"))
        << text;
}

} // namespace
} // namespace kavro
