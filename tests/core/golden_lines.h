// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace kavro::testing {

// Every `from` in `text` replaced by `to`.
inline std::string replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Golden files hold one text per line; the report's line breaks, CR LF, are
// written as the four characters \r\n, so that every line stays one text.
inline std::vector<std::string> readGoldenLines(const std::filesystem::path& file) {
    std::vector<std::string> texts;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);)
        texts.push_back(replaced(line, "\\r\\n", "\r\n"));
    return texts;
}

// Writes `texts` in the golden form, so that a changed output can be
// reviewed with diff and taken over by copying.
inline void writeGoldenLines(const std::filesystem::path& file,
                             const std::vector<std::string>& texts) {
    std::ofstream out(file, std::ios::binary);
    for (const std::string& text : texts)
        out << replaced(text, "\r\n", "\\r\\n") << '\n';
}

} // namespace kavro::testing
