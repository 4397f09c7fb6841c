// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kavro {

// A fault of a file as the command-line tools print it and the page shows
// it: "FILE:LINE:COLUMN: message", "FILE:LINE: message" or "FILE: message"
// (a line or column of 0 is left out); valid UTF-8 whatever the name or the
// message held.
std::string placedMessage(std::string_view file, int line, int column, std::string_view message);

// Why a file over `maxBytes` is not read.
std::string tooLargeMessage(std::size_t maxBytes);

} // namespace kavro
