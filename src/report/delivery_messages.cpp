// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "delivery_messages.h"

#include <cerrno>

namespace kavro {

namespace {

std::string quoted(const std::filesystem::path& path) {
    return "«" + path.string() + "»";
}

// The usual reasons in the user's words; nothing for the rare ones.
std::string reason(std::error_code error) {
    if (error.category() != std::generic_category() && error.category() != std::system_category())
        return {};
    switch (error.value()) {
    case ENOSPC:
    case EDQUOT:
        return ": на диске нет места";
    case EACCES:
    case EPERM:
        return ": нет прав на запись";
    case EROFS:
        return ": диск доступен только для чтения";
    case ENOENT:
    case ENOTDIR:
        return ": такой папки нет";
    case EISDIR:
        return ": это папка";
    default:
        return {};
    }
}

} // namespace

std::string reportNotBuiltMessage() {
    return "Не удалось составить документ отчёта";
}

std::string reportNotWrittenMessage(const std::filesystem::path& file, std::error_code error) {
    return "Не удалось записать отчёт в файл " + quoted(file) + reason(error);
}

std::string noFreeNameMessage(const std::filesystem::path& folder) {
    return "Не удалось записать отчёт: в папке " + quoted(folder) +
           " нет свободного имени для файла";
}

std::string reportNotOpenedMessage(const std::filesystem::path& file) {
    return "Отчёт записан в файл " + quoted(file) +
           ", но ни одна программа не открыла его. Откройте файл вручную";
}

} // namespace kavro
