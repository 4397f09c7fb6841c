// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_positions.h"

namespace kavro::window {

int utf16Offset(const QString& text, std::size_t position) {
    int offset = 0;
    for (std::size_t passed = 0; passed < position && offset < text.size(); ++passed) {
        const bool pair = text.at(offset).isHighSurrogate() && offset + 1 < text.size() &&
                          text.at(offset + 1).isLowSurrogate();
        offset += pair ? 2 : 1;
    }
    return offset;
}

std::size_t characterPosition(const QString& text, int offset) {
    std::size_t position = 0;
    for (int i = 0; i < offset && i < text.size(); ++i) {
        // The low half of a pair adds nothing: the pair counted at its high half.
        if (!(text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate()))
            ++position;
    }
    return position;
}

} // namespace kavro::window
