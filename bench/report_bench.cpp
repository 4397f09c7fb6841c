// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing one report: the button's whole work, from typing the report into a
// document in memory to a .docx file on disk.
#include "core/input/user_input.h"
#include "core/platform/recording_services.h"
#include "core/tform1.h"
#include "report/docx_launcher.h"
#include "report/file_destination.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

struct ScratchFolder {
    ScratchFolder() {
        std::string pattern = std::filesystem::temp_directory_path() / "kavro-bench-XXXXXX";
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a folder for the reports");
        path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

// A window with the longest report (a 60 mm shaft with the Fastlink strap
// and the crank: thirteen accessories) writing into a folder of its own.
class ReportWriting {
public:
    explicit ReportWriting(const std::filesystem::path& templateFile)
        : destination_(folder() / "report.docx"), launcher_(templateFile, destination_),
          form_(services()), input_(form_) {
        input_.start();
        input_.pick(kavro::Field::Diametr, 1);
        input_.click(kavro::Field::Kreplenie, 2);
        input_.check(kavro::Field::NHK);
    }

    bool write() {
        return input_.clickButton(kavro::Field::Button1).kind == kavro::ActionResult::Kind::Done;
    }
    const std::filesystem::path& report() const { return destination_.file(); }

    // A folder of the benchmark's own, removed when the program ends.
    static const std::filesystem::path& folder() {
        static const ScratchFolder scratch;
        return scratch.path;
    }

private:
    kavro::Services services() {
        kavro::Services s = recorders_.services("kavro");
        s.wordProcessor = &launcher_;
        return s;
    }

    kavro::RecordingServices recorders_;
    kavro::FileDestination destination_;
    kavro::DocxLauncher launcher_;
    kavro::TForm1 form_;
    kavro::UserInput input_;
};

void BM_WriteReport(benchmark::State& state) {
    ReportWriting writing(ReportWriting::folder() / "no-template.docx");
    for (auto _ : state)
        if (!writing.write())
            state.SkipWithError("the report was not written");
}
BENCHMARK(BM_WriteReport)->Unit(benchmark::kMillisecond);

// The same into a template that already holds a whole report: more to read,
// parse and write back.
void BM_WriteReportIntoTemplate(benchmark::State& state) {
    const std::filesystem::path templateFile = ReportWriting::folder() / "KavroBlank.docx";
    {
        ReportWriting first(ReportWriting::folder() / "no-template.docx");
        first.write();
        std::filesystem::copy_file(first.report(), templateFile,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    ReportWriting writing(templateFile);
    for (auto _ : state)
        if (!writing.write())
            state.SkipWithError("the report was not written");
}
BENCHMARK(BM_WriteReportIntoTemplate)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
