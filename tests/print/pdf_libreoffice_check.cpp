// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The PDF holds the text that LibreOffice reads from the Word document of
// the same report: the paragraphs line for line, and all of it word for
// word in order (LibreOffice's text puts each table cell on a line of its
// own, the PDF a table row on one line and a wrapped name on two). Exits
// 77 (skipped) when LibreOffice or pdftotext is not installed.
//
// Usage: pdf_libreoffice_check WORK_FOLDER
#include "pdf_tools.h"
#include "script_runner.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace {

constexpr int kSkipped = 77;

std::string joined(const std::vector<std::string>& lines, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count && i < lines.size(); ++i)
        text += lines[i] + " ";
    return kavro::test::words(text);
}

// The lines before the first table: everything up to its header.
std::size_t paragraphLines(const std::vector<std::string>& lines) {
    std::size_t count = 0;
    while (count < lines.size() && !lines[count].starts_with("Артикул"))
        ++count;
    return count;
}

} // namespace

int main(int argc, char** argv) {
    using namespace kavro::test;
    if (argc != 2) {
        std::cerr << "usage: pdf_libreoffice_check WORK_FOLDER\n";
        return 2;
    }
    const auto soffice = onPath("soffice");
    if (!soffice || !onPath("pdftotext")) {
        std::cout << "SKIPPED: needs LibreOffice (soffice) and pdftotext; install "
                     "libreoffice-writer-nogui and poppler-utils to run this check\n";
        return kSkipped;
    }
    const std::filesystem::path work = std::filesystem::absolute(argv[1]);
    std::filesystem::remove_all(work);
    std::filesystem::create_directories(work);

    // The longest report, as the driver writes it both ways.
    std::ostringstream shown;
    kavro::ScriptRunner runner(shown);
    for (const std::string line : {"start", "pick Diametr 1", "click Kreplenie 2", "check NHK"})
        runner.runLine(line);
    runner.runLine("report " + (work / "report.docx").string());
    runner.runLine("pdf " + (work / "report.pdf").string());
    if (!shown.str().empty()) {
        std::cerr << "the driver showed: " << shown.str();
        return 1;
    }
    // A profile of its own, so that no running LibreOffice of the user's
    // takes the conversion over.
    const std::string convert =
        shellQuoted(*soffice) + " -env:UserInstallation=file://" + (work / "profile").string() +
        " --headless --convert-to 'txt:Text (encoded):UTF8' --outdir " + shellQuoted(work) + " " +
        shellQuoted(work / "report.docx") + " > " + shellQuoted(work / "soffice.log") + " 2>&1";
    if (runCommand(convert).status != 0) {
        std::cerr << "conversion failed; see " << (work / "soffice.log") << '\n';
        return 1;
    }
    std::ifstream in(work / "report.txt", std::ios::binary);
    const auto office = squeezedLines(std::string(std::istreambuf_iterator<char>(in), {}));
    const auto pdf = squeezedLines(pdfText(work / "report.pdf"));

    int faults = 0;
    const std::size_t paragraphs = paragraphLines(office);
    for (std::size_t i = 0; i < paragraphs; ++i) {
        if (i >= pdf.size() || pdf[i] != office[i]) {
            std::cerr << "line " << i + 1 << ": LibreOffice «" << office[i] << "», PDF «"
                      << (i < pdf.size() ? pdf[i] : "") << "»\n";
            ++faults;
        }
    }
    if (joined(office, office.size()) != joined(pdf, pdf.size())) {
        std::cerr << "the texts differ:\nLibreOffice: " << joined(office, office.size())
                  << "\nPDF:         " << joined(pdf, pdf.size()) << '\n';
        ++faults;
    }
    std::cout << paragraphs << " paragraph lines compared line for line, " << office.size()
              << " LibreOffice lines word for word\n";
    return faults == 0 && paragraphs > 20 ? 0 : 1;
}
