// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// kavro-script: runs the calculator's window logic from action lines on
// standard input (or the file named as the only argument) and prints what
// they show as JSON lines.
#include "script_runner.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: kavro-script [SCRIPT]\n";
        return 2;
    }
    std::ifstream file;
    if (argc == 2) {
        file.open(argv[1], std::ios::binary);
        if (!file) {
            std::cerr << "kavro-script: cannot read " << argv[1] << '\n';
            return 2;
        }
    }
    std::istream& in = argc == 2 ? static_cast<std::istream&>(file) : std::cin;
    kavro::ScriptRunner runner(std::cout);
    std::string line;
    while (std::getline(in, line))
        runner.runLine(line);
    if (in.bad()) {
        std::cerr << "kavro-script: reading failed\n";
        return 2;
    }
    return 0;
}
