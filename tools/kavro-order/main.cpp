// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// kavro-order: orders of the calculator without its window; see --help.
#include "commands.h"
#include "progress.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return kavro::cli::run(arguments, std::cout, std::cerr, kavro::cli::standardErrorIsTerminal());
}
