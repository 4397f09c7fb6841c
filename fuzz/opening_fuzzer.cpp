// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: two openings read from arbitrary bytes, A and B. B is
// applied to a window that showed A and to a fresh window; unless B's own
// texts stop the calculation, both must show the same screen, keep every
// window invariant, and agree with what compute gives. Any crash, hang,
// sanitizer report or difference is a finding.
#include "core/order/opening_calculator.h"
#include "core/platform/recording_services.h"
#include "finding.h"
#include "invariants.h"
#include "state_dump.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace kavro;
using kavro::fuzz::finding;

// One line of the input, and the rest after it.
std::string nextLine(std::string_view& input) {
    const std::size_t end = input.find('\n');
    const std::string line(input.substr(0, end));
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    return line;
}

// -1 to 3: choices in range and out of it.
int choice(std::string_view& input) {
    const std::string line = nextLine(input);
    unsigned value = 0;
    std::from_chars(line.data(), line.data() + line.size(), value);
    return static_cast<int>(value % 5) - 1;
}

// Fields one per line, in the order of OpeningInputs, then the drive and
// one accessory with its quantity.
Opening readOpening(std::string_view& input) {
    Opening o;
    OpeningInputs& in = o.inputs;
    for (std::string* text : {&in.profile, &in.profileType, &in.shaft, &in.thickness, &in.height,
                              &in.width, &in.specificWeight, &in.endProfile})
        *text = nextLine(input);
    in.mounting = choice(input);
    in.control = choice(input);
    in.fixing = choice(input);
    in.crank = nextLine(input) == "1";
    o.drive = nextLine(input);
    o.accessories.push_back({nextLine(input), choice(input) + 1});
    return o;
}

struct Window {
    RecordingServices recorders;
    TForm1 form{recorders.services()};
    UserInput input{form};
    Window() { input.start(); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const Opening a = readOpening(input);
    const Opening b = readOpening(input);

    Window used;
    OpeningCalculator::apply(used.form, used.input, a);
    const auto problems = OpeningCalculator::apply(used.form, used.input, b);
    const bool failed = std::any_of(problems.begin(), problems.end(), [](const std::string& p) {
        return p.starts_with("Расчёт остановлен");
    });
    if (failed)
        return 0; // what an error leaves standing depends on the window's history

    Window fresh;
    if (OpeningCalculator::apply(fresh.form, fresh.input, b) != problems)
        finding("the problems depend on the window's earlier state");
    if (dumpState(used.form, "") != dumpState(fresh.form, ""))
        finding("the screen depends on the window's earlier state");
    for (const std::string& broken : brokenInvariants(fresh.form, true))
        finding(broken.c_str());
    OpeningResults computed = OpeningCalculator::compute(b);
    OpeningResults shown = OpeningCalculator::read(fresh.form, b);
    computed.problems = shown.problems = {};
    if (computed != shown)
        finding("compute differs from the window it describes");
    return 0;
}
