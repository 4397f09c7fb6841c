// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logo_check.h"

#include <fstream>

namespace kavro {

std::optional<std::string> logoFault(std::string_view bytes) {
    if (bytes.size() > kMaxLogoBytes)
        return "логотип больше 2 МБ";
    if (!pictureOf(std::string(bytes)))
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
