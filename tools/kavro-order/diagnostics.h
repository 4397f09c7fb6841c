// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace kavro::cli {

// Messages about files on standard error, one per line, as compilers write
// them so that editors can jump to the place: "FILE:LINE: message",
// "FILE:LINE:COLUMN: message", or "FILE: message" where there is no line.
class Diagnostics {
public:
    explicit Diagnostics(std::ostream& err) : err_(err) {}

    // `line` 0: no line; `column` 0: no column.
    void error(const std::filesystem::path& file, const std::string& message, int line = 0,
               int column = 0);
    void warning(const std::filesystem::path& file, const std::string& message, int line = 0);

    int errors() const { return errors_; }
    int warnings() const { return warnings_; }

private:
    void write(const std::filesystem::path& file, int line, int column, const std::string& message);

    std::ostream& err_;
    int errors_ = 0;
    int warnings_ = 0;
};

} // namespace kavro::cli
