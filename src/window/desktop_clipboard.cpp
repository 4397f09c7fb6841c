// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_clipboard.h"

#include "qt_text.h"

#include <QClipboard>
#include <QGuiApplication>

namespace kavro::window {

void DesktopClipboard::setText(const std::string& text) {
    if (muted_)
        return;
    QGuiApplication::clipboard()->setText(toQString(text));
}

} // namespace kavro::window
