// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base64.h"

#include <algorithm>
#include <cstdint>

namespace kavro {

namespace {

constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

} // namespace

std::string base64(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = (group << 8) | (k < count ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        // Three bytes make four digits; a short last group is padded with '='.
        for (std::size_t k = 0; k < 4; ++k)
            out += k <= count ? kDigits[(group >> (18 - 6 * k)) & 0x3F] : '=';
    }
    return out;
}

std::string unbase64(std::string_view text) {
    const std::string_view digits(kDigits, 64);
    std::string out;
    out.reserve(text.size() / 4 * 3);
    std::uint32_t group = 0;
    int bits = 0;
    for (char c : text) {
        const std::size_t value = digits.find(c);
        if (value == std::string_view::npos)
            continue;
        group = (group << 6) | static_cast<std::uint32_t>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((group >> bits) & 0xFF);
        }
    }
    return out;
}

} // namespace kavro
