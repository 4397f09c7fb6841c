// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPageLayout>
#include <QSizeF>

namespace kavro::print {

// The printed report's page: A4 portrait with the Word document's margins,
// so that both give the same lines on the same paper.
struct PageGeometry {
    // A4, 210 x 297 mm, in points (the Word document's 11906 x 16838 twips).
    static constexpr double kPageWidth = 11906 / 20.0;
    static constexpr double kPageHeight = 16838 / 20.0;
    // The side margins leave the 525 points that the report's tables span;
    // top and bottom are 2 cm (1134 twips).
    static constexpr double kTextWidth = 525;
    static constexpr double kSideMargin = (kPageWidth - kTextWidth) / 2;
    static constexpr double kTopBottomMargin = 1134 / 20.0;
    static constexpr double kTextHeight = kPageHeight - 2 * kTopBottomMargin;

    // The page as a printer or PDF writer takes it (points).
    static QPageLayout pageLayout();

    // Lengths in a QTextDocument without a paint device (margins, padding,
    // borders, widths) are pixels of Qt's default resolution, while its font
    // sizes are points: this converts points into those pixels.
    static double documentUnits(double points);
    // The text area of one page in document units.
    static QSizeF textArea();
};

} // namespace kavro::print
