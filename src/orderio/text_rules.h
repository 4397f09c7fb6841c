// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kavro {

// The longest text an order keeps in one field: what the window's edit
// controls take.
std::size_t maxOrderTextLength();

// What is wrong with a text that an order file or a spreadsheet brings in,
// in the user's words; nothing when the window could hold it. A text must be
// valid UTF-8, one line without control characters, and at most
// maxOrderTextLength() characters long.
std::optional<std::string> textFault(std::string_view text);

} // namespace kavro
