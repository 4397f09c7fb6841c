// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdf_tools.h"

#include <array>
#include <cstdio>
#include <sstream>
#include <sys/wait.h>

namespace kavro::test {

std::pair<int, std::string> runCommand(const std::string& command) {
    std::pair<int, std::string> result{-1, ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer{};
    while (const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe))
        result.second.append(buffer.data(), read);
    const int status = pclose(pipe);
    if (status != -1 && WIFEXITED(status))
        result.first = WEXITSTATUS(status);
    return result;
}

std::string shellQuoted(const std::filesystem::path& path) {
    std::string out = "'";
    for (char c : path.string())
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string pdfText(const std::filesystem::path& pdf, int page) {
    const std::string pages =
        page > 0 ? "-f " + std::to_string(page) + " -l " + std::to_string(page) + " " : "";
    return runCommand("pdftotext -raw -enc UTF-8 " + pages + shellQuoted(pdf) + " -").second;
}

std::string words(const std::string& text) {
    std::istringstream in(text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text);
    std::string out;
    for (std::string word; in >> word;)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

std::vector<std::string> squeezedLines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (std::string squeezed = words(line); !squeezed.empty())
            lines.push_back(squeezed);
    return lines;
}

} // namespace kavro::test
