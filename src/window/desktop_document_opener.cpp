// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_document_opener.h"

#include "qt_text.h"

#include <QDesktopServices>
#include <QUrl>

namespace kavro::window {

bool DesktopDocumentOpener::open(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(file.string())));
}

} // namespace kavro::window
