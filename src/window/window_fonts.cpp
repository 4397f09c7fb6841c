// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fonts.h"

#include <QFontDatabase>

namespace kavro::window {

namespace {

QFont sized(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

// "MS Sans Serif" exists only where Windows' fonts are installed; fontconfig
// has no alias for it and would pick a much wider face. Arial, aliased to
// Liberation Sans, comes closest in width.
QString standardFamily() {
    const QString wanted = QStringLiteral("MS Sans Serif");
    return QFontDatabase::hasFamily(wanted) ? wanted : QStringLiteral("Arial");
}

} // namespace

WindowFonts::WindowFonts()
    : standard(sized(standardFamily(), 11)), label(sized(QStringLiteral("Times New Roman"), 16)),
      header(sized(QStringLiteral("Times New Roman"), 14)), link(header),
      field(sized(QStringLiteral("Times New Roman"), 13)) {
    link.setUnderline(true);
}

} // namespace kavro::window
