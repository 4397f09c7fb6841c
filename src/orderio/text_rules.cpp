// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_rules.h"

#include "core/input/user_input.h"
#include "core/text/utf8.h"

namespace kavro {

std::size_t maxOrderTextLength() {
    return UserInput::kMaxTextLength;
}

std::optional<std::string> textFault(std::string_view text) {
    if (utf8::sanitize(text) != text)
        return "текст не в кодировке UTF-8";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return "текст содержит управляющий символ (перевод строки, табуляцию и т. п.)";
    }
    if (utf8::length(text) > maxOrderTextLength())
        return "текст длиннее " + std::to_string(maxOrderTextLength()) + " символов";
    return std::nullopt;
}

} // namespace kavro
