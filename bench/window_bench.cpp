// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Run: ./build/bench/window_bench --benchmark_repetitions=10
//          --benchmark_report_aggregates_only=true
// Targets on the development machine: start-up under 150 ms, a keystroke
// under 1 ms, switching between two openings under 20 ms, opening and
// showing an order of 1,000 openings under 1 s.

#include "main_window.h"
#include "order_window.h"
#include "orderio/order_file.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
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

// Types a digit and Backspace in turn into the width of `window`, one key a
// round: each a full recalculation and drive selection, the widgets showing
// the result when the key event returns.
void typeIntoWidth(benchmark::State& state, QWidget& window) {
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
}

// A digit or Backspace typed into the width of the calculator form alone.
void BM_KeystrokeInWidth(benchmark::State& state) {
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("the window did not become active");
        return;
    }
    typeIntoWidth(state, window);
    if (window.form().Wirina.text() != "1000" && window.form().Wirina.text() != "10005")
        state.SkipWithError("the keystrokes did not reach the width");
}
BENCHMARK(BM_KeystrokeInWidth)->Unit(benchmark::kMicrosecond);

// A document window on a folder of its own, shown and started.
struct StartedOrderWindow {
    QTemporaryDir folder;
    std::unique_ptr<kavro::window::OrderWindow> window;

    bool start() {
        kavro::window::OrderWindowSeams seams;
        seams.settingsFile = folder.filePath(QStringLiteral("settings.ini"));
        seams.autosaveFolder = folder.filePath(QStringLiteral("autosave"));
        window = std::make_unique<kavro::window::OrderWindow>(std::move(seams));
        window->show();
        return QTest::qWaitForWindowActive(window.get()) && window->form().startedUp();
    }
};

kavro::Opening opening(int number) {
    kavro::Opening made;
    made.location = "Проём " + std::to_string(number);
    made.inputs.width = std::to_string(800 + number % 1500);
    made.inputs.height = std::to_string(1200 + number % 1300);
    made.inputs.shaft = number % 2 ? "60" : "40";
    return made;
}

// A choice of another row in the list until the form and the list show that
// opening and the window has painted. The argument is the order's size; an
// unsaved order (1) is also written to its autosave at each switch.
void BM_SwitchBetweenOpenings(benchmark::State& state) {
    StartedOrderWindow started;
    if (!started.start()) {
        state.SkipWithError("the window did not start");
        return;
    }
    kavro::Order order;
    for (int i = 1; i <= state.range(0); ++i)
        order.openings.push_back(opening(i));
    const QString file = started.folder.filePath(QStringLiteral("order.kavro"));
    kavro::OrderFile::save(order, file.toStdString());
    started.window->openFile(file);
    if (state.range(1))
        started.window->session().replaceOrder(order, true);
    QTableView* table = started.window->dock().table();
    int row = 0;
    for (auto _ : state) {
        row = 1 - row;
        table->setCurrentIndex(table->model()->index(row, 1));
        QCoreApplication::processEvents();
    }
    if (started.window->form().form().Wirina.text() != order.openings[row].inputs.width)
        state.SkipWithError("the form does not show the chosen opening");
}
BENCHMARK(BM_SwitchBetweenOpenings)
    ->Args({2, 0})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Unit(benchmark::kMillisecond);

// A keystroke in the width of the document window: the form's own work plus
// the order taking the new inputs and the list showing them.
void BM_KeystrokeInOrderWindow(benchmark::State& state) {
    StartedOrderWindow started;
    if (!started.start()) {
        state.SkipWithError("the window did not start");
        return;
    }
    typeIntoWidth(state, *started.window);
    if (started.window->session().currentOpening().inputs.width !=
        started.window->form().form().Wirina.text())
        state.SkipWithError("the order does not follow the form");
}
BENCHMARK(BM_KeystrokeInOrderWindow)->Unit(benchmark::kMicrosecond);

// Opening a file of 1,000 openings in a started window until the list and the
// form show it and the window has painted.
void BM_OpenOrderOfThousandOpenings(benchmark::State& state) {
    StartedOrderWindow started;
    if (!started.start()) {
        state.SkipWithError("the window did not start");
        return;
    }
    kavro::Order order;
    for (int i = 1; i <= 1000; ++i)
        order.openings.push_back(opening(i));
    const QString file = started.folder.filePath(QStringLiteral("thousand.kavro"));
    kavro::OrderFile::save(order, file.toStdString());
    for (auto _ : state) {
        if (!started.window->openFile(file)) {
            state.SkipWithError("the file did not open");
            return;
        }
        QCoreApplication::processEvents();
    }
    if (started.window->dock().table()->model()->rowCount() != 1000)
        state.SkipWithError("the list does not show the openings");
}
BENCHMARK(BM_OpenOrderOfThousandOpenings)->Unit(benchmark::kMillisecond);

} // namespace
