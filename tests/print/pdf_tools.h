// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kavro::test {

struct CommandResult {
    int status = -1; // the exit status; -1 when it did not run or exit
    std::string output;
};

// Runs a shell command and collects its standard output.
CommandResult runCommand(const std::string& command);

// A path quoted for the shell.
std::string shellQuoted(const std::filesystem::path& path);

// Where a program is found on PATH; nothing when it is not installed.
std::optional<std::filesystem::path> onPath(const std::string& program);

// The PDF's text as pdftotext gives it in the order it was drawn (-raw),
// of one page (from 1) or of all (0).
std::string pdfText(const std::filesystem::path& pdf, int page = 0);

// The lines of a text, runs of white space made one space, ends trimmed,
// empty lines and a byte-order mark dropped.
std::vector<std::string> squeezedLines(const std::string& text);

// The words of a text, in order, one space between them.
std::string words(const std::string& text);

} // namespace kavro::test
