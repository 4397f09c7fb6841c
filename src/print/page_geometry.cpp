// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "page_geometry.h"

#include <QMarginsF>
#include <QPageSize>

// The resolution at which a QTextDocument without a paint device lays out
// (the screen's logical resolution, or 96 dots per inch); exported by Qt GUI
// and used the same way by other programs that print text documents.
Q_GUI_EXPORT int qt_defaultDpiY();

namespace kavro::print {

namespace {

constexpr double kPointsPerInch = 72;

} // namespace

QPageLayout PageGeometry::pageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kSideMargin, kTopBottomMargin, kSideMargin, kTopBottomMargin),
                       QPageLayout::Point);
}

double PageGeometry::documentUnits(double points) {
    return points * qt_defaultDpiY() / kPointsPerInch;
}

QSizeF PageGeometry::textArea() {
    return {documentUnits(kTextWidth), documentUnits(kTextHeight)};
}

} // namespace kavro::print
