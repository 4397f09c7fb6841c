// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_messages.h"

#include "core/text/utf8.h"

namespace kavro {

std::string placedMessage(std::string_view file, int line, int column, std::string_view message) {
    std::string text(file);
    if (line > 0)
        text += ':' + std::to_string(line);
    if (line > 0 && column > 0)
        text += ':' + std::to_string(column);
    text += ": ";
    text += message;
    // A file name or a message may carry bytes that are not UTF-8, which a
    // terminal or a page would show as garbage.
    return utf8::sanitize(text);
}

std::string tooLargeMessage(std::size_t maxBytes) {
    return "файл больше " + std::to_string(maxBytes >> 20) + " МиБ";
}

} // namespace kavro
