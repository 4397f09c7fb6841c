// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_table.h"

#include "core/text/utf8.h"

#include <algorithm>

namespace kavro::cli {

std::string textTable(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], utf8::length(row[c]));
    }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                line += "  ";
            line += row[c];
            line.append(widths[c] - utf8::length(row[c]), ' ');
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        text += line + '\n';
    }
    return text;
}

} // namespace kavro::cli
