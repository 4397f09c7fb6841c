// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Run: ./build/bench/print_bench --benchmark_repetitions=10
//          --benchmark_report_aggregates_only=true
// Targets on the development machine: the single report's PDF under 100 ms,
// the print preview open under 300 ms.
#include "core/input/user_input.h"
#include "core/order/opening_calculator.h"
#include "core/platform/recording_services.h"
#include "core/report/order_report.h"
#include "core/tform1.h"
#include "print/pdf_file_destination.h"
#include "print/text_document_launcher.h"
#include "print/text_document_word_processor.h"
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

// An order of 100 openings: shafts, widths, mountings, controls, fixings
// and cranks varied, so that the drives and accessory lists differ.
kavro::Order hundredOpenings() {
    kavro::Order order{"Коттедж, 100 проёмов", {}};
    const char* shafts[] = {"40", "60", "70", "102"};
    for (int i = 0; i < 100; ++i) {
        kavro::Opening opening;
        opening.location = "Проём " + std::to_string(i + 1);
        opening.count = 1 + i % 3;
        opening.inputs.shaft = shafts[i % 4];
        opening.inputs.width = std::to_string(800 + 37 * i);
        opening.inputs.height = std::to_string(1200 + 23 * i);
        opening.inputs.mounting = i % 2;
        opening.inputs.control = i % 3;
        opening.inputs.fixing = i % 3;
        opening.inputs.crank = i % 5 == 0;
        order.openings.push_back(opening);
    }
    return order;
}

// The order report typed into the printable document, cut into pages and
// written as a PDF; the openings are computed once, before timing.
void BM_HundredOpeningsOrderPdf(benchmark::State& state) {
    const kavro::Order order = hundredOpenings();
    std::vector<kavro::OpeningResults> results;
    for (const kavro::Opening& opening : order.openings)
        results.push_back(kavro::OpeningCalculator::compute(opening));
    const QString path = QDir::tempPath() + QStringLiteral("/kavro-order-bench.pdf");
    kavro::print::PdfFileDestination pdf(path.toStdString());
    for (auto _ : state) {
        kavro::print::TextDocumentWordProcessor word(pdf);
        kavro::typeOrderReport(order, results, "07.12.2026", word);
    }
    state.counters["bytes"] = static_cast<double>(QFile(path).size());
    QFile::remove(path);
}
BENCHMARK(BM_HundredOpeningsOrderPdf)->Unit(benchmark::kMillisecond);

} // namespace
