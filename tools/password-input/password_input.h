// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace kavro {

// One line of standard input as a password, without its line end. On a
// terminal `prompt` is shown on `tty` and what is typed is not echoed.
// Nothing when the input ended before a line.
std::optional<std::string> readPassword(std::istream& in, std::ostream& tty,
                                        const std::string& prompt);

} // namespace kavro
