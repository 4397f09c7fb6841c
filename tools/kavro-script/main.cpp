// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// kavro-script: runs the calculator's window logic from action lines on
// standard input (or the file named as the only argument) and prints what
// they show as JSON lines.
#include "about/about_options.h"
#include "orderio/firm_file.h"
#include "script_runner.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr kavro::ProgramAbout kAbout{
    "kavro-script", "[--firm FILE] [SCRIPT]",
    "Runs the KAVRO drive calculator's window logic without a window: reads user\n"
    "actions, one per line, from SCRIPT or, without it, from standard input, and\n"
    "writes what they show, one JSON object per line, to standard output.\n"
    "\n"
    "A line is ACTION, ACTION FIELD or ACTION FIELD ARG, for instance\n"
    "\"type Visota 2000\", \"pick Diametr 1\", \"report out.docx\" or \"dump\"; blank\n"
    "lines and lines starting with # are skipped. An action the window would not\n"
    "take prints {\"refused\":\"...\"} and the script goes on.\n"
    "\n"
    "--firm FILE: the firm's details (see the README) whose letterhead heads the\n"
    "reports; without it, the user's saved details\n"
    "($XDG_CONFIG_HOME/kavro/firm.json or ~/.config/kavro/firm.json), if any.\n"
    "\n"
    "Exit status: 0 when the script was read to its end, 2 when SCRIPT or the\n"
    "firm's details cannot be read or more than one script is given.\n"};

// The details that head the reports: those of --firm FILE, else the user's
// saved ones, if any. A file that cannot be read ends the program rather
// than giving reports without the letterhead the user asked for.
std::optional<kavro::FirmDetails> readFirm(const std::optional<std::filesystem::path>& named) {
    const std::filesystem::path file = kavro::firmFileToRead(named);
    if (file.empty())
        return std::nullopt;
    try {
        return kavro::FirmFile::read(file);
    } catch (const kavro::FirmFileError& error) {
        std::cerr << file.string() << ": " << error.what() << '\n';
        std::exit(2);
    }
}

} // namespace

int main(int argc, char** argv) {
    // Only the exact command lines `kavro-script --help` and `--version`;
    // any other single argument is still the script to read.
    if (const auto status = kavro::answerAboutOption(argc, argv, kAbout, std::cout))
        return *status;
    std::optional<std::filesystem::path> firmFile;
    std::vector<std::string> scripts;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--firm" && i + 1 < argc && !firmFile)
            firmFile = argv[++i];
        else if (argument.starts_with("--firm=") && !firmFile)
            firmFile = argument.substr(7);
        else
            scripts.push_back(argument);
    }
    if (scripts.size() > 1 || (firmFile && firmFile->empty())) {
        std::cerr << "usage: kavro-script [--firm FILE] [SCRIPT]\n";
        return 2;
    }
    const std::optional<kavro::FirmDetails> firm = readFirm(firmFile);
    std::ifstream file;
    if (!scripts.empty()) {
        file.open(scripts.front(), std::ios::binary);
        if (!file) {
            std::cerr << "kavro-script: cannot read " << scripts.front() << '\n';
            return 2;
        }
    }
    std::istream& in = !scripts.empty() ? static_cast<std::istream&>(file) : std::cin;
    kavro::ScriptRunner runner(std::cout, firm);
    std::string line;
    while (std::getline(in, line))
        runner.runLine(line);
    if (in.bad()) {
        std::cerr << "kavro-script: reading failed\n";
        return 2;
    }
    return 0;
}
