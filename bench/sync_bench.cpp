// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of a shared order's replica on orders of 10, 100 and 1,000
// openings, step by step as the page takes them: a keystroke recorded, the
// next edit to send, the server's answer taken, another device's change
// replayed under waiting edits, the replica's bytes saved and loaded back.
// An installer's keystroke must stay well under the page's 8 ms. Run:
//   build/bench/sync_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "orderio/order_file.h"
#include "sync/session_replica.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace {

using namespace kavro;
using namespace kavro::sync;

const std::string kOrder = "o1";

// A garage door with a drive and two accessories: every kind of field.
Opening opening(int i) {
    Opening o;
    o.id = "p" + std::to_string(i);
    o.location = "Гараж " + std::to_string(i);
    o.count = 1 + i % 3;
    o.inputs.profile = "Alutech";
    o.inputs.profileType = "AR/40";
    o.inputs.shaft = "60";
    o.inputs.height = std::to_string(1500 + i % 700);
    o.inputs.width = "2500";
    o.drive = "4100011";
    o.accessories = {{"4200004", 1}, {"4200005", 1}};
    return o;
}

Order serverOrder(int openings, std::int64_t revision) {
    Order order;
    order.id = kOrder;
    order.revision = revision;
    order.title = "Дом на Лесной";
    for (int i = 0; i < openings; ++i)
        order.openings.push_back(opening(i));
    return order;
}

// The order file as the server sends it, where another device changed the
// location of the middle opening.
std::string changedElsewhere(int openings, std::int64_t revision) {
    Order order = serverOrder(openings, revision);
    order.openings.at(openings / 2).location = "Спальня, ред. " + std::to_string(revision);
    return OrderFile::serialize(order);
}

std::string confirming(const std::string& orderFile, std::int64_t revision) {
    return nlohmann::json{
        {"revision", revision}, {"order", orderFile}, {"conflicts", nlohmann::json::array()}}
        .dump();
}

// A device with the server's order open at revision 1, as the page holds it.
struct Device {
    OrderDocument document{[](const Opening&) { return OpeningResults{}; }};
    OrderSession session{document};
    std::unique_ptr<SessionReplica> link;

    explicit Device(int openings) {
        session.replaceOrder(serverOrder(openings, 1), false);
        link = std::make_unique<SessionReplica>(session, kOrder, "");
    }
    // A keystroke in the first opening's location, `n` telling them apart.
    void type(int n) { session.setLocation(0, "Кухня " + std::to_string(n)); }
};

void Sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
}

// Keystrokes in one field while its edit waits: they join that edit.
void KeystrokeRecorded(benchmark::State& state) {
    Device device(static_cast<int>(state.range(0)));
    int n = 0;
    for (auto _ : state)
        device.type(++n);
}
BENCHMARK(KeystrokeRecorded)->Apply(Sizes);

// The request for the waiting edit, and no answer (so it is asked again).
void NextEditToSend(benchmark::State& state) {
    Device device(static_cast<int>(state.range(0)));
    device.type(0);
    for (auto _ : state) {
        const auto request = device.link->next();
        benchmark::DoNotOptimize(request->body.data());
        device.link->answered(request->editId, 0, "");
    }
}
BENCHMARK(NextEditToSend)->Apply(Sizes);

// The server confirms the edit sent with the order as it holds it now.
void AnswerTaken(benchmark::State& state) {
    const int openings = static_cast<int>(state.range(0));
    Device device(openings);
    const std::string answer = confirming(changedElsewhere(openings, 2), 2);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        device.type(++n);
        const std::string edit = device.link->next()->editId;
        state.ResumeTiming();
        device.link->answered(edit, 200, answer);
    }
}
BENCHMARK(AnswerTaken)->Apply(Sizes);

// Another device's change arrives while five edits of this one wait.
void ChangeReplayedUnderWaitingEdits(benchmark::State& state) {
    const int openings = static_cast<int>(state.range(0));
    Device device(openings);
    for (int i = 0; i < 5; ++i)
        device.session.setLocation(static_cast<std::size_t>(i % openings),
                                   "Своё " + std::to_string(i));
    std::int64_t revision = 1;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string order = changedElsewhere(openings, ++revision);
        state.ResumeTiming();
        benchmark::DoNotOptimize(device.link->arrived(order));
    }
}
BENCHMARK(ChangeReplayedUnderWaitingEdits)->Apply(Sizes);

// The replica kept with the order at each local save, three edits waiting.
void ReplicaSaved(benchmark::State& state) {
    Device device(static_cast<int>(state.range(0)));
    for (int i = 0; i < 3; ++i)
        device.session.setCount(static_cast<std::size_t>(i), std::to_string(4 + i));
    for (auto _ : state)
        benchmark::DoNotOptimize(device.link->replica().save());
}
BENCHMARK(ReplicaSaved)->Apply(Sizes);

void ReplicaLoaded(benchmark::State& state) {
    Device device(static_cast<int>(state.range(0)));
    for (int i = 0; i < 3; ++i)
        device.session.setCount(static_cast<std::size_t>(i), std::to_string(4 + i));
    const std::string bytes = device.link->replica().save();
    for (auto _ : state)
        benchmark::DoNotOptimize(OrderReplica::load(bytes));
}
BENCHMARK(ReplicaLoaded)->Apply(Sizes);

} // namespace

BENCHMARK_MAIN();
