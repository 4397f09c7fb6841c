// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Run: ./build/bench/window_bench --benchmark_repetitions=10
//          --benchmark_report_aggregates_only=true
// Targets on the development machine: start-up under 150 ms, a keystroke
// under 1 ms.

#include "main_window.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

using kavro::Field;
using kavro::window::MainWindow;

// Counts the paint events that reach a window.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Construction, first show, the start-up routine on first activation, and
// the events up to the window's first paint.
void BM_StartUpUntilFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        PaintCounter counter;
        MainWindow window;
        window.installEventFilter(&counter);
        window.show();
        window.activateWindow();
        QDeadlineTimer deadline(5000);
        while (!(window.startedUp() && counter.paints > 0)) {
            if (deadline.hasExpired()) {
                state.SkipWithError("no activation or paint within 5 s");
                return;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpUntilFirstPaint)->Unit(benchmark::kMillisecond);

// A digit or Backspace typed into the width, each a full recalculation and
// drive selection; the widgets show the result when the key event returns.
void BM_KeystrokeInWidth(benchmark::State& state) {
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("the window did not become active");
        return;
    }
    auto* width = window.findChild<QLineEdit*>(QStringLiteral("Wirina"));
    width->setFocus();
    QCoreApplication::processEvents();
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    bool typeDigit = true;
    for (auto _ : state) {
        QApplication::sendEvent(width, typeDigit ? &digit : &backspace);
        typeDigit = !typeDigit;
    }
    if (window.form().Wirina.text() != "1000" && window.form().Wirina.text() != "10005")
        state.SkipWithError("the keystrokes did not reach the width");
}
BENCHMARK(BM_KeystrokeInWidth)->Unit(benchmark::kMicrosecond);

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
