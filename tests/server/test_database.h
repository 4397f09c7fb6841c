// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace kavro::server::test {

// The two databases every storage test runs on.
enum class Backend { sqlite, postgres };

// For test names: "SQLite", "PostgreSQL".
std::string backendName(Backend backend);

// Why the backend cannot be tested here; empty when it can. PostgreSQL's
// cluster is started on the first call, once for the test binary, in a
// temporary folder with its socket there (no TCP port), and stopped at exit.
std::string unavailable(Backend backend);

// A new empty database of the binary's cluster, as a postgresql:// URI.
std::string newPostgresDatabase();

// A test of a backend that cannot run here says SKIPPED and why; under CI,
// which installs PostgreSQL, it fails instead.
#define KAVRO_SKIP_WITHOUT(backend)                                                                \
    do {                                                                                           \
        if (const std::string why = ::kavro::server::test::unavailable(backend); !why.empty()) {   \
            if (std::getenv("CI"))                                                                 \
                FAIL() << why;                                                                     \
            GTEST_SKIP() << why;                                                                   \
        }                                                                                          \
    } while (false)

} // namespace kavro::server::test
