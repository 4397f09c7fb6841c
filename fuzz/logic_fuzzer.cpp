// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: arbitrary bytes as kavro-script action lines. Any broken
// invariant, crash, hang or sanitizer report is a finding.
#include "fuzz_session.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto broken =
        kavro::runFuzzSession(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!broken.empty()) {
        for (const std::string& what : broken)
            std::fprintf(stderr, "%s\n", what.c_str());
        std::abort();
    }
    return 0;
}
