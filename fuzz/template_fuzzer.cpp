// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: arbitrary bytes as the report template. They must open
// as a document or be refused, within bounded memory; a template that opens
// must take the whole report and give a document that opens again.
#include "core/input/user_input.h"
#include "core/platform/recording_services.h"
#include "finding.h"
#include "report/docx_launcher.h"
#include "report/docx_opening.h"
#include "zip/zip_archive.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

using namespace kavro;
using kavro::fuzz::finding;

// Keeps the finished report in memory.
class KeptReport : public ReportDestination {
public:
    void deliver(const std::string& docx) override { bytes = docx; }
    std::string bytes;
};

std::filesystem::path templateFile() {
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("kavro-template-fuzz-" + std::to_string(getpid()) + ".docx");
    return file;
}

// Types the report of a started window into the template and returns it.
std::string reportInto(std::string_view templateBytes) {
    {
        std::ofstream out(templateFile(), std::ios::binary | std::ios::trunc);
        out.write(templateBytes.data(), static_cast<std::streamsize>(templateBytes.size()));
    }
    KeptReport kept;
    DocxLauncher launcher(templateFile(), kept);
    RecordingServices recorders;
    Services services = recorders.services();
    services.wordProcessor = &launcher;
    TForm1 form(services);
    UserInput input(form);
    input.start();
    input.clickButton(Field::Button1);
    return kept.bytes;
}

// Mutated zip files mostly fail their checksums before any XML is read. An
// input that begins with byte 1 is therefore taken as the parts themselves,
// name and content alternating, each closed by a zero byte, and packed here.
std::string asTemplate(std::string_view input) {
    if (input.empty() || input.front() != '\x01')
        return std::string(input);
    input.remove_prefix(1);
    std::vector<ZipEntryView> parts;
    while (!input.empty()) {
        const std::size_t nameEnd = input.find('\0');
        const std::string_view name = input.substr(0, nameEnd);
        input.remove_prefix(nameEnd == std::string_view::npos ? input.size() : nameEnd + 1);
        const std::size_t contentEnd = input.find('\0');
        parts.push_back({name, input.substr(0, contentEnd)});
        input.remove_prefix(contentEnd == std::string_view::npos ? input.size() : contentEnd + 1);
    }
    try {
        return writeZip(parts);
    } catch (const std::exception&) {
        return {}; // names a zip cannot hold
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes =
        asTemplate(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!openDocxBytes(bytes))
        return 0; // refused: the report then goes into a blank document
    const std::string report = reportInto(bytes);
    if (report.empty())
        finding("a template that opens took no report");
    if (!openDocxBytes(report))
        finding("the report typed into the template does not open again");
    return 0;
}
