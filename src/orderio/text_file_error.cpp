// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_file_error.h"

namespace kavro {

TextFileError::TextFileError(int line, int column, const std::string& reason)
    : std::runtime_error("строка " + std::to_string(line) + ", столбец " + std::to_string(column) +
                         ": " + reason),
      line_(line), column_(column), reason_(reason) {}

} // namespace kavro
