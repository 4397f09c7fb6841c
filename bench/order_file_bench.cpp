// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Orders of 10,000 openings: a spreadsheet in, every opening worked out,
// the parts list, both spreadsheets out; and opening an order file. The
// process's peak memory is reported beside the time (peak_rss_MiB).
#include "core/order/opening_calculator.h"
#include "core/order/parts_list.h"
#include "orderio/openings_export.h"
#include "orderio/openings_import.h"
#include "orderio/order_file.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using namespace kavro;

constexpr int kOpenings = 10'000;

double peakMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
}

// The example house's rows over and over, each with its own size, so that
// no two neighbouring openings are alike.
std::string bigSpreadsheet() {
    std::ifstream in(KAVRO_EXAMPLES "/house.csv", std::ios::binary);
    std::ostringstream example;
    example << in.rdbuf();
    const OpeningsImport house = importOpenings(example.str());
    Order order;
    for (int i = 0; i < kOpenings; ++i) {
        Opening opening = house.openings.at(static_cast<std::size_t>(i) % house.openings.size());
        opening.inputs.height = std::to_string(1000 + i % 1500);
        opening.inputs.width = std::to_string(800 + (i * 7) % 2000);
        order.openings.push_back(opening);
    }
    return exportOpenings(order, std::vector<OpeningResults>(order.openings.size()));
}

void BM_SpreadsheetInComputedPartsListAndSpreadsheetsOut(benchmark::State& state) {
    const std::string spreadsheet = bigSpreadsheet();
    for (auto _ : state) {
        OpeningsImport imported = importOpenings(spreadsheet);
        const Order order{.title = "", .openings = std::move(imported.openings)};
        std::vector<OpeningResults> results;
        results.reserve(order.openings.size());
        for (const Opening& opening : order.openings)
            results.push_back(OpeningCalculator::compute(opening));
        const std::vector<PartsListLine> parts = makePartsList(order, results);
        benchmark::DoNotOptimize(exportOpenings(order, results));
        benchmark::DoNotOptimize(exportPartsList(parts));
    }
    state.counters["peak_rss_MiB"] = peakMemoryMiB();
}
BENCHMARK(BM_SpreadsheetInComputedPartsListAndSpreadsheetsOut)->Unit(benchmark::kMillisecond);

void BM_OpenOrderFile(benchmark::State& state) {
    const OpeningsImport imported = importOpenings(bigSpreadsheet());
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("kavro-bench-" + std::to_string(getpid()) + ".kavro");
    OrderFile::save({.title = "", .openings = imported.openings}, file);
    for (auto _ : state)
        benchmark::DoNotOptimize(OrderFile::read(file));
    state.counters["file_MiB"] = static_cast<double>(std::filesystem::file_size(file)) / (1 << 20);
    std::filesystem::remove(file);
}
BENCHMARK(BM_OpenOrderFile)->Unit(benchmark::kMillisecond);

void BM_SaveOrderFile(benchmark::State& state) {
    const OpeningsImport imported = importOpenings(bigSpreadsheet());
    const Order order{.title = "", .openings = imported.openings};
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("kavro-bench-" + std::to_string(getpid()) + ".kavro");
    for (auto _ : state)
        OrderFile::save(order, file);
    std::filesystem::remove(file);
}
BENCHMARK(BM_SaveOrderFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
