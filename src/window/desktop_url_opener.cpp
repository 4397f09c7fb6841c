// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_url_opener.h"

#include "qt_text.h"

#include <QDesktopServices>
#include <QUrl>

namespace kavro::window {

void DesktopUrlOpener::open(const std::string& url) {
    const QUrl address(toQString(url), QUrl::StrictMode);
    if (address.isValid())
        QDesktopServices::openUrl(address);
}

} // namespace kavro::window
