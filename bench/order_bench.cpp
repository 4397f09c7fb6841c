// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the order model: one opening computed from its inputs on a window
// of its own, one applied to a window in use, and the parts list of a large
// order. Run:
//   build/bench/order_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "core/order/opening_calculator.h"
#include "core/order/parts_list.h"
#include "core/platform/recording_services.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kavro;

// A garage door: a maker's profile on a 60 mm shaft, radio control, a drive
// chosen further down the list and two accessories.
Opening garage() {
    Opening o;
    o.location = "Гараж";
    o.count = 2;
    o.inputs.profile = "Alutech";
    o.inputs.profileType = "AR/40";
    o.inputs.thickness = "9";
    o.inputs.specificWeight = "3,35";
    o.inputs.shaft = "60";
    o.inputs.height = "2200";
    o.inputs.width = "2500";
    o.inputs.control = 1;
    o.drive = "4100011"; // Senta 50 KVL 50/12, second of the list
    o.accessories = {{"4200004", 1}, {"4200005", 1}};
    return o;
}

// A kitchen window: an own profile on a 40 mm shaft with the defaults.
Opening kitchen() {
    Opening o;
    o.location = "Кухня";
    o.inputs.width = "1200";
    o.inputs.height = "1500";
    o.accessories = {{"4200001", 1}};
    return o;
}

void ComputeOneOpening(benchmark::State& state) {
    const Opening opening = garage();
    for (auto _ : state)
        benchmark::DoNotOptimize(OpeningCalculator::compute(opening));
}
BENCHMARK(ComputeOneOpening)->Unit(benchmark::kMicrosecond);

// The order editor's case: another opening shown in a window in use.
void ApplyToAWindowInUse(benchmark::State& state) {
    RecordingServices recorders;
    TForm1 form(recorders.services());
    UserInput input(form);
    input.start();
    const Opening openings[2] = {garage(), kitchen()};
    int next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(OpeningCalculator::apply(form, input, openings[next]));
        next = 1 - next;
    }
}
BENCHMARK(ApplyToAWindowInUse)->Unit(benchmark::kMicrosecond);

// 10,000 openings, alternately two kinds, computed once outside the timing.
void PartsListOfTenThousand(benchmark::State& state) {
    Order order;
    std::vector<OpeningResults> results;
    const OpeningResults computed[2] = {OpeningCalculator::compute(garage()),
                                        OpeningCalculator::compute(kitchen())};
    for (int i = 0; i < 10'000; ++i) {
        order.openings.push_back(i % 2 ? kitchen() : garage());
        results.push_back(computed[i % 2]);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(makePartsList(order, results));
    state.SetItemsProcessed(10'000 * state.iterations());
}
BENCHMARK(PartsListOfTenThousand)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
