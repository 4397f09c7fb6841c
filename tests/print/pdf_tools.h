// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kavro::test {

// Runs a shell command; its exit status (-1 when it did not exit) and
// standard output.
std::pair<int, std::string> runCommand(const std::string& command);

// A path quoted for the shell.
std::string shellQuoted(const std::filesystem::path& path);

// The PDF's text as pdftotext gives it in the order it was drawn (-raw),
// of one page (from 1) or of all (0).
std::string pdfText(const std::filesystem::path& pdf, int page = 0);

// The lines of a text as `words` gives them, empty ones dropped.
std::vector<std::string> squeezedLines(const std::string& text);

// The words of a text, in order, one space between them; a byte-order mark
// in front is dropped.
std::string words(const std::string& text);

} // namespace kavro::test
