// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logo_check.h"

#include <fstream>

namespace kavro {

namespace {

constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1A\n";

std::uint32_t bigEndian32(std::string_view bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return value;
}

// A PNG starts with its signature and then the IHDR chunk: length 13, the
// type, a width and a height that are not 0.
bool isPng(std::string_view bytes) {
    if (!bytes.starts_with(kPngSignature) || bytes.size() < 8 + 8 + 13)
        return false;
    const std::string_view chunk = bytes.substr(8);
    return bigEndian32(chunk) == 13 && chunk.substr(4, 4) == "IHDR" &&
           bigEndian32(chunk.substr(8)) != 0 && bigEndian32(chunk.substr(12)) != 0;
}

// A JPEG starts with the start-of-image marker FF D8 and another marker.
bool isJpeg(std::string_view bytes) {
    return bytes.size() >= 4 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xD8 &&
           static_cast<unsigned char>(bytes[2]) == 0xFF;
}

} // namespace

std::optional<std::string> logoFault(std::string_view bytes) {
    if (bytes.size() > kMaxLogoBytes)
        return "логотип больше 2 МБ";
    if (!isPng(bytes) && !isJpeg(bytes))
        return "логотип не изображение PNG или JPEG";
    return std::nullopt;
}

std::optional<std::string> logoFileFault(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return "не удалось открыть логотип: " + error.message();
    // The size first, so that a huge file is never read to be refused.
    if (size > kMaxLogoBytes)
        return "логотип больше 2 МБ";
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        return "не удалось прочитать логотип";
    return logoFault(bytes);
}

} // namespace kavro
