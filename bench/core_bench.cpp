// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the calculator's logic: what one keystroke, one profile choice,
// the start-up and a whole scripted session cost. Run:
//   build/bench/core_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "core/input/user_input.h"
#include "core/platform/recording_services.h"
#include "core/tform1.h"
#include "script_runner.h"

#include <benchmark/benchmark.h>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace kavro;

// A started window, as the user finds it.
struct StartedWindow {
    RecordingServices recorders;
    TForm1 form{recorders.services()};
    UserInput input{form};
    StartedWindow() { input.start(); }
};

// One digit typed at the end of the width and taken back again: two
// keystrokes, each running the whole chain up to the accessory list.
void KeystrokeInWirina(benchmark::State& state) {
    StartedWindow w;
    w.input.focus(Field::Wirina);
    for (auto _ : state) {
        w.input.typeCharacter(Field::Wirina, '5');
        w.input.typeCharacter(Field::Wirina, 8);
    }
    benchmark::DoNotOptimize(w.form.Moment.text());
    state.SetItemsProcessed(2 * state.iterations());
    state.SetLabel("per keystroke: 1 / items_per_second");
}
BENCHMARK(KeystrokeInWirina);

// A profile type whose thickness and weight both differ from the current
// ones: two recalculations and three drive selections. Alternates between
// AR/40 (9 mm, 3,35 kg/m2) and AR/52 (13,5 mm, 3,04 kg/m2).
void ProfileTypePick(benchmark::State& state) {
    StartedWindow w;
    w.input.pick(Field::Profil, 0);
    for (auto _ : state) {
        w.input.pick(Field::TipProfilya, 2);
        w.input.pick(Field::TipProfilya, 6);
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(ProfileTypePick);

// Creating the window and its first activation.
void StartUp(benchmark::State& state) {
    for (auto _ : state) {
        StartedWindow w;
        benchmark::DoNotOptimize(w.form.Speed.text());
    }
}
BENCHMARK(StartUp);

// A 200-action session through the scripted driver, dumps excluded.
std::vector<std::string> session() {
    const std::vector<std::string> pattern = {
        "pick Diametr 1",
        "replace Visota 2400",
        "type Wirina 5",
        "backspace Wirina",
        "click Upravlenie 1",
        "check NHK",
        "cell Spisok 1 1",
        "click Kreplenie 2",
        "pick Profil 0",
        "pick TipProfilya 4",
        "tab 1",
        "tab 0",
        "pick Diametr 2",
        "click Montazh 1",
        "replace Wirina 650",
        "pick Diametr 3",
        "check NHK",
        "click Upravlenie 0",
        "click Montazh 0",
        "pick Profil 2",
    };
    std::vector<std::string> lines = {"start"};
    while (lines.size() < 200)
        lines.push_back(pattern[lines.size() % pattern.size()]);
    return lines;
}

void DriverSession200(benchmark::State& state) {
    const std::vector<std::string> lines = session();
    for (auto _ : state) {
        std::ostringstream out;
        ScriptRunner runner(out);
        for (const std::string& line : lines)
            runner.runLine(line);
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(DriverSession200);

// The slowest actions hostile input can ask for. Each iteration sets the
// field back first, so that the measured action always changes it.
struct WorstAction {
    const char* name;
    Field field;
    std::string text;
    // Fields set once, before measuring, so that the action reaches its
    // slowest path (for instance a mass that stays finite for any height).
    std::vector<std::pair<Field, std::string>> setup;
};

std::vector<WorstAction> worstActions() {
    return {
        {"MillionTurns",
         Field::Visota,
         "314159107,9",
         {{Field::Wirina, "0"}, {Field::Diametr, "100"}, {Field::Tolwina, "0"}}},
        {"EndlessWindingCut",
         Field::Visota,
         "1E15",
         {{Field::Wirina, "0"}, {Field::Diametr, "0"}, {Field::Tolwina, "0"}}},
        {"LongestCommaPaste",
         Field::Massa,
         "1" + std::string(UserInput::kMaxTextLength - 1, ','),
         {}},
        {"LongestDigitPaste", Field::Diametr, std::string(UserInput::kMaxTextLength, '9'), {}},
        {"LongestLetterPaste", Field::Visota, std::string(UserInput::kMaxTextLength, 'x'), {}},
        {"CommasAfterEndlessHeight",
         Field::Massa,
         "1" + std::string(UserInput::kMaxTextLength - 1, ','),
         {{Field::Wirina, "0"},
          {Field::Diametr, "0"},
          {Field::Tolwina, "0"},
          {Field::Visota, "1E15"}}},
    };
}

void WorstInput(benchmark::State& state) {
    const WorstAction action = worstActions()[static_cast<std::size_t>(state.range(0))];
    StartedWindow w;
    for (const auto& [field, text] : action.setup)
        w.input.replace(field, text);
    const auto& field = static_cast<const EditableText&>(
        action.field == Field::Diametr
            ? static_cast<const EditableText&>(w.form.Diametr)
            : static_cast<const EditField&>(w.form.control(action.field)));
    const std::string before = field.text();
    for (auto _ : state) {
        w.input.replace(action.field, action.text);
        state.PauseTiming();
        w.input.replace(action.field, before);
        state.ResumeTiming();
    }
    state.SetLabel(action.name);
}
BENCHMARK(WorstInput)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
