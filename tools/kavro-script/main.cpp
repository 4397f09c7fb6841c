// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// kavro-script: runs the calculator's window logic from action lines on
// standard input (or the file named as the only argument) and prints what
// they show as JSON lines.
#include "about/about_options.h"
#include "script_runner.h"

#include <fstream>
#include <iostream>

namespace {

constexpr kavro::ProgramAbout kAbout{
    "kavro-script", "[SCRIPT]",
    "Runs the KAVRO drive calculator's window logic without a window: reads user\n"
    "actions, one per line, from SCRIPT or, without it, from standard input, and\n"
    "writes what they show, one JSON object per line, to standard output.\n"
    "\n"
    "A line is ACTION, ACTION FIELD or ACTION FIELD ARG, for instance\n"
    "\"type Visota 2000\", \"pick Diametr 1\", \"report out.docx\" or \"dump\"; blank\n"
    "lines and lines starting with # are skipped. An action the window would not\n"
    "take prints {\"refused\":\"...\"} and the script goes on.\n"
    "\n"
    "Exit status: 0 when the script was read to its end, 2 when SCRIPT cannot be\n"
    "read or more than one argument is given.\n"};

} // namespace

int main(int argc, char** argv) {
    // Only the exact command lines `kavro-script --help` and `--version`;
    // any other single argument is still the script to read.
    if (const auto status = kavro::answerAboutOption(argc, argv, kAbout, std::cout))
        return *status;
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
