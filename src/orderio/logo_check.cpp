// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logo_check.h"

namespace kavro {

namespace {

constexpr const char* kTooLarge = "логотип больше 2 МБ";
constexpr const char* kNotAPicture = "логотип не изображение PNG или JPEG";

} // namespace

std::optional<std::string> logoFault(std::string_view bytes) {
    if (bytes.size() > kMaxLogoBytes)
        return kTooLarge;
    if (!pictureOf(std::string(bytes)))
        return kNotAPicture;
    return std::nullopt;
}

std::string logoRefusal(std::string_view name, std::string_view fault) {
    return "Файл «" + std::string(name) + "» не подходит:\n" + std::string(fault);
}

std::optional<std::string> logoFileFault(const std::filesystem::path& path) {
    std::error_code opened;
    const auto loaded = loadPicture(path, &opened);
    if (std::holds_alternative<Picture>(loaded))
        return std::nullopt;
    switch (std::get<PictureFault>(loaded)) {
    case PictureFault::Unopened:
        return "не удалось открыть логотип: " + opened.message();
    case PictureFault::TooLarge:
        return kTooLarge;
    case PictureFault::Unread:
        return "не удалось прочитать логотип";
    case PictureFault::NotAPicture:
        break;
    }
    return kNotAPicture;
}

} // namespace kavro
