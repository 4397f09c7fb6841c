// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A PostgreSQL database for a test that is no C++ program (the model test
// of the page's module, in node), in the cluster the server tests use:
// prints its URI on one line, or "SKIPPED: " and why there is none, and
// stops the cluster when its standard input closes.
#include "test_database.h"

#include <iostream>
#include <string>

int main() {
    using namespace kavro::server::test;
    if (const std::string why = unavailable(Backend::postgres); !why.empty()) {
        std::cout << "SKIPPED: " << why << std::endl;
        return 0;
    }
    std::cout << newPostgresDatabase() << std::endl;
    for (std::string line; std::getline(std::cin, line);) {
    }
    return 0;
}
