// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_encoding.h"

#include "code_page.h"
#include "core/text/utf8.h"

namespace kavro {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

std::string fromUtf16(std::string_view bytes, bool littleEndian) {
    const auto unit = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<char32_t>(littleEndian ? first | second << 8 : first << 8 | second);
    };
    std::string text;
    text.reserve(bytes.size());
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const char32_t u = unit(at);
        if (u >= 0xD800 && u <= 0xDBFF && at + 3 < bytes.size()) {
            const char32_t low = unit(at + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                text += utf8::encode(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                at += 2;
                continue;
            }
        }
        text += utf8::encode(u >= 0xD800 && u <= 0xDFFF ? kReplacement : u);
    }
    if (at < bytes.size())
        text += utf8::encode(kReplacement); // half a character at the end
    return text;
}

} // namespace

DecodedText decodeSpreadsheetText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark))
        return {std::string(bytes.substr(kUtf8Mark.size())), TextEncoding::Utf8};
    if (bytes.starts_with(kUtf16LEMark))
        return {fromUtf16(bytes.substr(2), true), TextEncoding::Utf16LE};
    if (bytes.starts_with(kUtf16BEMark))
        return {fromUtf16(bytes.substr(2), false), TextEncoding::Utf16BE};
    if (utf8::sanitize(bytes) == bytes)
        return {std::string(bytes), TextEncoding::Utf8};
    return {windows1251ToUtf8(bytes), TextEncoding::Windows1251};
}

} // namespace kavro
