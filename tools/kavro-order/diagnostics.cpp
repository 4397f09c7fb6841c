// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "diagnostics.h"

#include "core/text/utf8.h"

#include <sstream>

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
    std::ostringstream text;
    text << file.string();
    if (line > 0)
        text << ':' << line;
    if (line > 0 && column > 0)
        text << ':' << column;
    text << ": " << message << '\n';
    // A file name or a message may carry bytes from the file system or a
    // file that are not UTF-8; a terminal would show them as garbage.
    err_ << utf8::sanitize(text.str());
}

} // namespace kavro::cli
