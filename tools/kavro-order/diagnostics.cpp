// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "diagnostics.h"

namespace kavro::cli {

void Diagnostics::error(const std::filesystem::path& file, const std::string& message, int line,
                        int column) {
    ++errors_;
    write(file, line, column, message);
}

void Diagnostics::warning(const std::filesystem::path& file, const std::string& message, int line) {
    ++warnings_;
    write(file, line, 0, "предупреждение: " + message);
}

void Diagnostics::write(const std::filesystem::path& file, int line, int column,
                        const std::string& message) {
    err_ << file.string();
    if (line > 0)
        err_ << ':' << line;
    if (line > 0 && column > 0)
        err_ << ':' << column;
    err_ << ": " << message << '\n';
}

} // namespace kavro::cli
