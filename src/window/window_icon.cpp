// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_icon.h"

namespace kavro::window {

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/kavro/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace kavro::window
