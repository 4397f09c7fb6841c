// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "diagnostics.h"

#include "orderio/file_messages.h"

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
    err_ << placedMessage(file.string(), line, column, message) << '\n';
}

} // namespace kavro::cli
