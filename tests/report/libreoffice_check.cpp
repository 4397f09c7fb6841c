// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A real word processor reads the report: LibreOffice converts it to PDF,
// pdftotext takes the text back out, and every line typed and every cell
// written must be there, in order. Exits 77 (skipped) when LibreOffice or
// pdftotext is not installed.
//
// Usage: libreoffice_check WORK_FOLDER
#include "core/input/user_input.h"
#include "core/platform/recording_services.h"
#include "core/platform/recording_word_processor.h"
#include "core/tform1.h"
#include "report/docx_launcher.h"
#include "report/file_destination.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kSkipped = 77;

std::optional<std::filesystem::path> onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / program;
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return std::nullopt;
}

std::string quoted(const std::filesystem::path& path) {
    std::string out = "'";
    for (char c : path.string())
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// Runs of white space become one space; the ends are trimmed.
std::string squeezed(const std::string& text) {
    std::istringstream words(text);
    std::string out;
    for (std::string word; words >> word;)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

// A 60 mm shaft with the Fastlink strap and the crank: the longest
// accessory list, with descriptions long enough to wrap in their cells.
void describeShutter(kavro::UserInput& input) {
    input.start();
    input.pick(kavro::Field::Diametr, 1);
    input.click(kavro::Field::Kreplenie, 2);
    input.check(kavro::Field::NHK);
}

// What the report typed and wrote into cells, in document order.
std::vector<std::string> expectedLines() {
    kavro::RecordingServices recorders;
    kavro::RecordingWordProcessorLauncher word;
    kavro::Services services = recorders.services("kavro");
    services.wordProcessor = &word;
    kavro::TForm1 form(services);
    kavro::UserInput input(form);
    describeShutter(input);
    input.clickButton(kavro::Field::Button1);
    std::vector<std::string> lines;
    for (const std::string& call : word.calls) {
        std::string text;
        if (call.starts_with("typeText: "))
            text = call.substr(10);
        else if (call.starts_with("setCellText: "))
            text = call.substr(call.find(' ', call.find(' ', call.find(' ', 13) + 1) + 1) + 1);
        if (!squeezed(text).empty())
            lines.push_back(squeezed(text));
    }
    return lines;
}

bool writeReport(const std::filesystem::path& file) {
    kavro::RecordingServices recorders;
    kavro::FileDestination destination(file);
    kavro::DocxLauncher launcher(file.parent_path() / "KavroBlank.docx", destination);
    kavro::Services services = recorders.services("kavro");
    services.wordProcessor = &launcher;
    kavro::TForm1 form(services);
    kavro::UserInput input(form);
    describeShutter(input);
    return input.clickButton(kavro::Field::Button1).kind == kavro::ActionResult::Kind::Done;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: libreoffice_check WORK_FOLDER\n";
        return 2;
    }
    const auto soffice = onPath("soffice");
    const auto pdftotext = onPath("pdftotext");
    if (!soffice || !pdftotext) {
        std::cout << "SKIPPED: needs LibreOffice (soffice) and pdftotext; install "
                     "libreoffice-writer-nogui and poppler-utils to run this check\n";
        return kSkipped;
    }
    const std::filesystem::path work = std::filesystem::absolute(argv[1]);
    std::filesystem::remove_all(work);
    std::filesystem::create_directories(work);
    const std::filesystem::path docx = work / "report.docx";
    if (!writeReport(docx)) {
        std::cerr << "the report was not written\n";
        return 1;
    }
    // A profile of its own, so that no running LibreOffice of the user's
    // takes the conversion over.
    const std::string convert = quoted(*soffice) + " -env:UserInstallation=file://" +
                                (work / "profile").string() +
                                " --headless --convert-to pdf --outdir " + quoted(work) + " " +
                                quoted(docx) + " > " + quoted(work / "soffice.log") + " 2>&1";
    const std::string extract = quoted(*pdftotext) + " -raw -enc UTF-8 " +
                                quoted(work / "report.pdf") + " " + quoted(work / "report.txt");
    if (std::system(convert.c_str()) != 0 || std::system(extract.c_str()) != 0) {
        std::cerr << "conversion failed; see " << (work / "soffice.log") << '\n';
        return 1;
    }
    std::ifstream in(work / "report.txt", std::ios::binary);
    const std::string text = squeezed(std::string(std::istreambuf_iterator<char>(in), {}));

    const std::vector<std::string> lines = expectedLines();
    std::size_t at = 0;
    int missing = 0;
    for (const std::string& line : lines) {
        const std::size_t found = text.find(line, at);
        if (found == std::string::npos) {
            std::cerr << "not found in order: " << line << '\n';
            ++missing;
            continue;
        }
        at = found + line.size();
    }
    std::cout << lines.size() - static_cast<std::size_t>(missing) << " of " << lines.size()
              << " lines found in order in LibreOffice's rendering\n";
    return missing == 0 && lines.size() > 40 ? 0 : 1;
}
