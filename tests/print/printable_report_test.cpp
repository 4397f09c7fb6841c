// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/firm/firm_details.h"
#include "core/input/user_input.h"
#include "core/picture_bytes.h"
#include "core/platform/recording_services.h"
#include "core/tform1.h"
#include "docx_reading.h"
#include "pdf_tools.h"
#include "print/page_geometry.h"
#include "print/pdf_file_destination.h"
#include "print/text_document_launcher.h"
#include "report/docx_launcher.h"
#include "report/file_destination.h"
#include "temp_folder.h"

#include <QImage>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace kavro::test {
namespace {

Paragraph readParagraph(const QTextBlock& block) {
    // The first run's format, or the paragraph mark's when it has no text.
    const QTextCharFormat format =
        block.begin().atEnd() ? block.charFormat() : block.begin().fragment().charFormat();
    Paragraph paragraph{block.text().toStdString(), format.fontWeight() >= QFont::Bold,
                        format.fontPointSize(), ""};
    if (block.blockFormat().hasProperty(QTextFormat::BlockAlignment))
        paragraph.alignment =
            block.blockFormat().alignment() & Qt::AlignHCenter ? "center" : "left";
    return paragraph;
}

Table readTable(const QTextTable& table) {
    Table read{table.format().border() > 0 ? "grid" : "", {}, {}};
    for (const QTextLength& width : table.format().columnWidthConstraints())
        read.grid.push_back(static_cast<int>(
            std::lround(width.rawValue() / print::PageGeometry::documentUnits(1) * 20)));
    for (int r = 0; r < table.rows(); ++r) {
        std::vector<Cell>& row = read.rows.emplace_back();
        for (int c = 0; c < table.columns(); ++c)
            row.push_back({readParagraph(table.cellAt(r, c).firstCursorPosition().block()),
                           read.grid.at(static_cast<std::size_t>(c))});
    }
    return read;
}

// A printable document read back in the terms of the Word document's
// reader: paragraphs and tables in order, their text, bold, size and
// alignment, the column widths in twips; a table with borders is styled
// "grid".
Body readPrintable(const QTextDocument& document) {
    Body body;
    for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (const auto* table = qobject_cast<const QTextTable*>(it.currentFrame())) {
            body.order.push_back('T');
            body.tables.push_back(readTable(*table));
        } else {
            body.order.push_back('P');
            body.paragraphs.push_back(readParagraph(it.currentBlock()));
        }
    }
    return body;
}

// Types the report of a started window by its report button; `longest`: a
// 60 mm shaft with the Fastlink strap and the crank, the longest accessory
// list, with names that wrap in their cells.
void typeReport(bool longest, WordProcessorLauncher& word, const FirmDetails* firm = nullptr) {
    RecordingServices recorders;
    Services services = recorders.services("kavro");
    services.wordProcessor = &word;
    services.firm = firm;
    TForm1 form(services);
    UserInput input(form);
    input.start();
    if (longest) {
        input.pick(Field::Diametr, 1);
        input.click(Field::Kreplenie, 2);
        input.check(Field::NHK);
    }
    input.clickButton(Field::Button1);
}

DocxFile docxReport(bool longest, const TempFolder& folder) {
    FileDestination file(folder / "report.docx");
    DocxLauncher word(folder / "KavroBlank.docx", file);
    typeReport(longest, word);
    return DocxFile(file.file());
}

std::unique_ptr<QTextDocument> printableReport(bool longest) {
    print::KeptReport kept;
    print::TextDocumentLauncher word(kept);
    typeReport(longest, word);
    return kept.take();
}

// The firm's logo heads the printed page as the picture itself, at its size;
// a logo whose header reads but whose image does not leaves its paragraph
// empty, and the letterhead is still there below it.
TEST(PrintableLetterhead, ShowsTheLogoAboveTheFirmsName) {
    const TempFolder folder;
    const auto broken = folder / "broken.png";
    std::ofstream(broken, std::ios::binary) << pngHeader(1, 1);
    const struct {
        std::filesystem::path logo;
        bool shown;
    } rows[] = {{std::filesystem::path(KAVRO_EXAMPLES) / "firm-logo.png", true}, {broken, false}};
    for (const auto& row : rows) {
        FirmDetails firm;
        firm.name = "ООО «Ставни»";
        firm.logo = row.logo;
        print::KeptReport kept;
        print::TextDocumentLauncher word(kept);
        typeReport(false, word, &firm);
        const std::unique_ptr<QTextDocument> document = kept.take();
        ASSERT_TRUE(document);
        const QTextBlock first = document->firstBlock();
        const QTextImageFormat image = first.begin().fragment().charFormat().toImageFormat();
        EXPECT_EQ(image.isValid(), row.shown) << row.logo;
        EXPECT_EQ(first.next().text().toStdString(), firm.name);
        if (!row.shown)
            continue;
        // The example logo is 160 x 48 pixels: 120 x 36 points.
        EXPECT_NEAR(image.width(), print::PageGeometry::documentUnits(120), 1e-9);
        EXPECT_NEAR(image.height(), print::PageGeometry::documentUnits(36), 1e-9);
        const QVariant picture =
            document->resource(QTextDocument::ImageResource, QUrl(image.name()));
        EXPECT_EQ(picture.value<QImage>().size(), QSize(160, 48));
    }
}

class PrintableDocument : public testing::TestWithParam<bool> {};

// One description of the report, two backends: the printable document holds
// what the Word document holds, block for block and cell for cell.
TEST_P(PrintableDocument, ReadsBackAsTheWordDocumentOfTheSameReport) {
    const TempFolder folder;
    const Body word = docxReport(GetParam(), folder).body();
    const std::unique_ptr<QTextDocument> printable = printableReport(GetParam());
    ASSERT_NE(printable, nullptr);
    const Body printed = readPrintable(*printable);

    EXPECT_EQ(printed.order, word.order);
    EXPECT_EQ(printed.paragraphs, word.paragraphs);
    auto cells = [](const Table& table) {
        std::vector<Paragraph> all;
        for (const auto& row : table.rows)
            for (const Cell& cell : row)
                all.push_back(cell.paragraph);
        return all;
    };
    ASSERT_EQ(printed.tables.size(), 2u);
    for (std::size_t t = 0; t < 2; ++t) {
        EXPECT_EQ(printed.tables[t].styleId, "grid");
        EXPECT_EQ(printed.tables[t].grid, word.tables[t].grid);
        EXPECT_EQ(cells(printed.tables[t]), cells(word.tables[t])) << "table " << t + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Reports, PrintableDocument, testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "LongestAccessoryList" : "Default");
});

// Valid for qpdf; each font embedded with its Unicode map (pdffonts' emb and
// uni columns), so that the Cyrillic text can be extracted.
TEST(LongestReportPdf, IsValidAndEmbedsItsFontsWithTheirUnicodeMaps) {
    const TempFolder folder;
    const std::filesystem::path pdf = folder / "report.pdf";
    print::PdfFileDestination(pdf).deliver(printableReport(true));

    EXPECT_EQ(runCommand("qpdf --check " + shellQuoted(pdf)).first, 0);
    // name, CID TrueType, encoding, emb, sub, uni, object number and generation
    const std::regex embeddedWithMap(R"(\n\S+ +CID TrueType +Identity-H +yes +\S+ +yes )");
    const std::string fonts = runCommand("pdffonts " + shellQuoted(pdf)).second;
    EXPECT_EQ(std::distance(std::sregex_iterator(fonts.begin(), fonts.end(), embeddedWithMap),
                            std::sregex_iterator()),
              2)
        << fonts;
}

// LibreOffice's text of the Word document puts each table cell on a line of
// its own, the PDF a table row on one line and a wrapped name on two: the
// paragraphs compare line for line, all of it word for word.
TEST(LongestReportPdf, HoldsTheTextLibreOfficeReadsFromTheWordDocument) {
    if (runCommand("command -v soffice").first != 0)
        GTEST_SKIP() << "needs LibreOffice: install libreoffice-writer-nogui";
    const TempFolder temp;
    const std::filesystem::path& folder = temp.path();
    docxReport(true, temp);
    print::PdfFileDestination(folder / "report.pdf").deliver(printableReport(true));
    // A profile of its own, so that no running LibreOffice takes over.
    ASSERT_EQ(runCommand("soffice -env:UserInstallation=file://" + (folder / "p").string() +
                         " --headless --convert-to 'txt:Text (encoded):UTF8' --outdir " +
                         shellQuoted(folder) + " " + shellQuoted(folder / "report.docx") +
                         " >/dev/null 2>&1")
                  .first,
              0);
    const auto office =
        squeezedLines(runCommand("cat " + shellQuoted(folder / "report.txt")).second);
    const auto pdf = squeezedLines(pdfText(folder / "report.pdf"));
    const auto table = std::find(office.begin(), office.end(), "Артикул");
    const auto paragraphs = table - office.begin();
    ASSERT_TRUE(paragraphs > 20 && std::ssize(pdf) > paragraphs);
    EXPECT_EQ(std::vector(pdf.begin(), pdf.begin() + paragraphs),
              std::vector(office.begin(), table));
    EXPECT_EQ(words(pdfText(folder / "report.pdf")),
              words(runCommand("cat " + shellQuoted(folder / "report.txt")).second));
}

// The user learns why in words, and nothing is left behind or lost.
TEST(PdfFile, ThatCannotBeWrittenIsToldAndChangesNothing) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"missing/report.pdf", "такой папки нет"},
        {"folder", "это папка"},
    };
    for (const auto& [name, reason] : cases) {
        TempFolder folder;
        std::filesystem::create_directory(folder / "folder");
        std::ofstream(folder / "folder" / "kept.txt") << "kept";
        const std::filesystem::path file = folder / name;
        try {
            print::PdfFileDestination(file).deliver(std::make_unique<QTextDocument>("отчёт"));
            ADD_FAILURE() << name << " was written";
        } catch (const ReportNotDelivered& error) {
            EXPECT_EQ(error.what(),
                      "Не удалось записать отчёт в файл «" + file.string() + "»: " + reason);
        }
        EXPECT_EQ(runCommand("cat " + shellQuoted(folder / "folder" / "kept.txt")).second, "kept");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "folder"), {}), 1);
    }
}

} // namespace
} // namespace kavro::test
