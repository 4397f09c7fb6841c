// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string_view>

namespace kavro {

// A place in a text as an editor shows it: lines and columns from 1,
// columns counting characters (a Cyrillic letter is one), not bytes.
struct TextPlace {
    int line = 1;
    int column = 1;

    bool operator==(const TextPlace&) const = default;
};

// The place of the byte at `offset` (from 0); an offset past the end is the
// place just after the last character.
TextPlace placeOfOffset(std::string_view text, std::size_t offset);

} // namespace kavro
