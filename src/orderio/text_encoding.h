// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace kavro {

// How a spreadsheet program saved a text file.
enum class TextEncoding {
    Utf8,        // with or without a byte-order mark
    Utf16LE,     // "Текст Юникод" of Excel; recognised by its byte-order mark
    Utf16BE,     // likewise
    Windows1251, // anything else that is not valid UTF-8
};

struct DecodedText {
    // The text as UTF-8 without a byte-order mark.
    std::string text;
    TextEncoding encoding = TextEncoding::Utf8;
};

// The text of a spreadsheet's file as UTF-8. A UTF-8 byte-order mark keeps
// the bytes as they are even where they are not all valid, so that the
// reader can refuse the bad cells rather than take them for Windows-1251.
// UTF-16 that is damaged (a lone surrogate, an odd last byte) has U+FFFD in
// its place.
DecodedText decodeSpreadsheetText(std::string_view bytes);

} // namespace kavro
