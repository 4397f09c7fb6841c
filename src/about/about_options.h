// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <ostream>
#include <string_view>

namespace kavro {

// What a program says of itself on --help; the manual pages are made from
// this text, so it is written for help2man: a "Usage:" line, a description,
// then the options indented by two spaces.
struct ProgramAbout {
    std::string_view name;        // the installed command, e.g. "kavro-script"
    std::string_view arguments;   // after the name on the usage line, e.g. "[SCRIPT]"
    std::string_view description; // paragraphs, each line ending in '\n'
};

// The release these programs belong to, as the package numbers it.
std::string_view programVersion();

// The --version text of `program`: its name and release on the first line,
// which help2man takes as the version, then the copyright and licence.
void writeVersion(std::string_view program, std::ostream& out);

// Answers a command line that is exactly `NAME --help` or `NAME --version`:
// writes the answer to out and returns the exit status, 0, or 1 when the
// answer could not be written. Any other command line is the program's own
// (nothing is written): the options are recognised only alone, so that no
// argument the program already takes changes meaning.
std::optional<int> answerAboutOption(int argc, const char* const* argv, const ProgramAbout& about,
                                     std::ostream& out);

} // namespace kavro
