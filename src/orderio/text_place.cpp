// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_place.h"

#include <algorithm>

namespace kavro {

TextPlace placeOfOffset(std::string_view text, std::size_t offset) {
    const std::string_view before = text.substr(0, std::min(offset, text.size()));
    TextPlace place;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i] == '\n') {
            ++place.line;
            lineStart = i + 1;
        }
    }
    // Continuation bytes (10xxxxxx) do not start a character.
    for (std::size_t i = lineStart; i < before.size(); ++i) {
        if ((static_cast<unsigned char>(before[i]) & 0xC0) != 0x80)
            ++place.column;
    }
    return place;
}

} // namespace kavro
