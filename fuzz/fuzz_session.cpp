// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz_session.h"

#include "invariants.h"
#include "script_runner.h"

#include <algorithm>
#include <ostream>
#include <streambuf>

namespace kavro {

namespace {

// Swallows the driver's output: only the state after each action matters.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// Bounds one session, so that every input runs in bounded time.
constexpr int kMaxLines = 400;

} // namespace

std::vector<std::string> runFuzzSession(std::string_view input) {
    NullBuffer buffer;
    std::ostream out(&buffer);
    ScriptRunner runner(out);
    bool settled = false;
    int lines = 0;
    while (!input.empty() && lines < kMaxLines) {
        const std::size_t end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        ++lines;
        if (line.starts_with("report") || line.starts_with("pdf"))
            continue; // writes files; the report has its own fuzzer
        const auto result = runner.runLine(line);
        if (!result)
            continue;
        const auto& trace = runner.lastTrace();
        if (result->kind == ActionResult::Kind::Failed)
            settled = false;
        else if (std::find(trace.begin(), trace.end(), "PodborPrivoda") != trace.end())
            settled = true;
        std::vector<std::string> broken = brokenInvariants(runner.form(), settled);
        if (!broken.empty()) {
            broken.insert(broken.begin(),
                          "after line " + std::to_string(lines) + ": " + std::string(line));
            return broken;
        }
    }
    return {};
}

} // namespace kavro
