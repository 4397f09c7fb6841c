// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>

namespace kavro::cli {

// Shows how far a long piece of work has come, on one line of a terminal
// that is rewritten in place. Nothing is shown when the stream is not a
// terminal, nor for work done within a second: short commands stay silent.
class Progress {
public:
    using Clock = std::chrono::steady_clock;

    // `shown`: whether to show anything at all (standard error is a
    // terminal).
    Progress(std::ostream& out, bool shown, std::string what);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // `done` of `total` items are finished.
    void update(std::size_t done, std::size_t total);

private:
    std::ostream& out_;
    bool shown_;
    std::string what_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastShown_{};
    bool lineOpen_ = false;
};

// Whether standard error is a terminal.
bool standardErrorIsTerminal();

} // namespace kavro::cli
