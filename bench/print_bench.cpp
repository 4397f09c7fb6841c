// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Run: ./build/bench/print_bench --benchmark_repetitions=10
//          --benchmark_report_aggregates_only=true
// Targets on the development machine: the single report's PDF under 100 ms,
// the print preview open under 300 ms.
#include "core/input/user_input.h"
#include "core/platform/recording_services.h"
#include "core/tform1.h"
#include "print/pdf_file_destination.h"
#include "print/text_document_launcher.h"
#include "report_printing.h"

#include <QApplication>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <benchmark/benchmark.h>

namespace {

using kavro::Field;

// A started window with the longest accessory list: a 60 mm shaft, the
// Fastlink strap and the crank.
struct LongestReport {
    LongestReport() : form(recorders.services("kavro")), input(form) {
        input.start();
        input.pick(Field::Diametr, 1);
        input.click(Field::Kreplenie, 2);
        input.check(Field::NHK);
    }
    kavro::RecordingServices recorders;
    kavro::TForm1 form;
    kavro::UserInput input;
};

// The report button's typing into the printable document, the pages cut
// and painted into a PDF, and the file written beside and renamed.
void BM_SingleReportPdf(benchmark::State& state) {
    LongestReport window;
    kavro::print::PdfFileDestination file(
        (QDir::tempPath() + QStringLiteral("/kavro-print-bench.pdf")).toStdString());
    kavro::print::TextDocumentLauncher printable(file);
    window.form.services().wordProcessor = &printable;
    for (auto _ : state) {
        if (window.input.clickButton(Field::Button1).kind != kavro::ActionResult::Kind::Done) {
            state.SkipWithError("the PDF was not written");
            return;
        }
    }
    QFile::remove(QString::fromStdString(file.file().string()));
}
BENCHMARK(BM_SingleReportPdf)->Unit(benchmark::kMillisecond);

// From the menu command until the preview dialog is shown with its page
// painted, as the user sees it open.
void BM_PreviewOpening(benchmark::State& state) {
    LongestReport window;
    int pages = 0;
    kavro::window::ReportPrinting printing(
        nullptr, window.form, {.runPreview = [&pages](QPrintPreviewDialog& dialog) {
            dialog.show();
            QCoreApplication::processEvents();
            pages = dialog.findChild<QPrintPreviewWidget*>()->pageCount();
            dialog.close();
        }});
    for (auto _ : state) {
        pages = 0;
        printing.preview();
        if (pages != 1) {
            state.SkipWithError("the preview showed no page");
            return;
        }
    }
}
BENCHMARK(BM_PreviewOpening)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
