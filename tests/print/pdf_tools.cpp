// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdf_tools.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace kavro::test {

CommandResult runCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer{};
    std::size_t read = 0;
    while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), read);
    const int status = pclose(pipe);
    if (status != -1 && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    return result;
}

std::string shellQuoted(const std::filesystem::path& path) {
    std::string out = "'";
    for (char c : path.string())
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::optional<std::filesystem::path> onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / program;
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return std::nullopt;
}

std::string pdfText(const std::filesystem::path& pdf, int page) {
    std::string command = "pdftotext -raw -enc UTF-8 ";
    if (page > 0)
        command += "-f " + std::to_string(page) + " -l " + std::to_string(page) + " ";
    return runCommand(command + shellQuoted(pdf) + " - 2>/dev/null").output;
}

std::string words(const std::string& text) {
    std::istringstream in(text);
    std::string out;
    for (std::string word; in >> word;)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

std::vector<std::string> squeezedLines(const std::string& text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::string_view rest = text;
    if (rest.starts_with(kByteOrderMark))
        rest.remove_prefix(kByteOrderMark.size());
    std::istringstream in{std::string(rest)};
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (std::string squeezed = words(line); !squeezed.empty())
            lines.push_back(squeezed);
    return lines;
}

} // namespace kavro::test
