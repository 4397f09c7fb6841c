// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc_error.h"

namespace kavro {

std::string messageBoxText(const std::string& message) {
    if (!message.empty() && message.back() == '.')
        return message;
    return message + '.';
}

} // namespace kavro
