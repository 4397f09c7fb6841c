// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

namespace kavro {

// A file the program keeps (an order, the firm's details) that cannot be
// read or written. what() is a message for the user: it names the place of
// the fault (line and column, or what in the file is wrong) or the system's
// reason, without the file's name, which the caller adds.
class TextFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // A fault at a line and column of the text; what() names the place in
    // words before the reason.
    TextFileError(int line, int column, const std::string& reason);

    // The place of the fault in the text, 0 when it has none.
    int line() const { return line_; }
    int column() const { return column_; }
    // what() without the place.
    const std::string& reason() const { return reason_; }

private:
    int line_ = 0;
    int column_ = 0;
    std::string reason_{what()};
};

} // namespace kavro
