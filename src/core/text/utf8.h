// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Field texts are UTF-8. Carets, selections and "the last character" count
// characters (code points), never bytes, so a Cyrillic letter is one step.
namespace kavro::utf8 {

std::size_t length(std::string_view s);

// Byte offset of the character at `index` (the end for index >= length).
std::size_t offsetOf(std::string_view s, std::size_t index);

// The text without its last character (the empty text stays empty).
std::string dropLast(std::string_view s);

// Replaces every byte sequence that is not valid UTF-8 with U+FFFD.
std::string sanitize(std::string_view s);

std::string encode(char32_t c);

// Decodes valid UTF-8 (as produced by sanitize).
std::u32string decode(std::string_view s);

} // namespace kavro::utf8
