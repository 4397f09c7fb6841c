// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <cstdlib>

namespace kavro::fuzz {

// A broken invariant: libFuzzer keeps the input that caused the abort.
[[noreturn]] inline void finding(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace kavro::fuzz
