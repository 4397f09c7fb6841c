// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress.h"

#include <unistd.h>

namespace kavro::cli {

namespace {

constexpr auto kQuietTime = std::chrono::seconds(1);
// Rewriting the line more often than this only costs time.
constexpr auto kRefresh = std::chrono::milliseconds(100);

} // namespace

Progress::Progress(std::ostream& out, bool shown, std::string what)
    : out_(out), shown_(shown), what_(std::move(what)) {}

Progress::~Progress() {
    if (lineOpen_)
        out_ << "\r\033[K" << std::flush; // clears the line for what follows
}

void Progress::update(std::size_t done, std::size_t total) {
    if (!shown_)
        return;
    const Clock::time_point now = Clock::now();
    if (now - start_ < kQuietTime || now - lastShown_ < kRefresh)
        return;
    lastShown_ = now;
    lineOpen_ = true;
    out_ << '\r' << what_ << ": " << done << " из " << total << " ("
         << done * 100 / (total ? total : 1) << " %)" << std::flush;
}

bool standardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

} // namespace kavro::cli
