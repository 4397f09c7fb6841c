// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kavro::testing {

// Golden files hold one text per line; a line break inside a text is
// written as the two characters \r or \n, so that every line stays one text.
inline std::string escapedLine(const std::string& text) {
    std::string line;
    for (char c : text)
        line += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    return line;
}

inline std::vector<std::string> readGoldenLines(const std::filesystem::path& file) {
    std::vector<std::string> texts;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        std::string text;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const bool escape = line[i] == '\\' && i + 1 < line.size();
            if (escape && (line[i + 1] == 'r' || line[i + 1] == 'n'))
                text += line[++i] == 'r' ? '\r' : '\n';
            else
                text += line[i];
        }
        texts.push_back(text);
    }
    return texts;
}

// Writes `texts` in the golden form, so that a changed output can be
// reviewed with diff and taken over by copying.
inline void writeGoldenLines(const std::filesystem::path& file,
                             const std::vector<std::string>& texts) {
    std::ofstream out(file, std::ios::binary);
    for (const std::string& text : texts)
        out << escapedLine(text) << '\n';
}

} // namespace kavro::testing
