// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace kavro::window {

// The window's fonts. Sizes are character heights in pixels. Where "Times New
// Roman" is not installed, fontconfig's metric aliases put a font of the same
// widths in its place (Liberation Serif), so captions keep their places; all
// of them cover Cyrillic.
struct WindowFonts {
    WindowFonts();

    QFont standard; // 11 px: the button, tab captions, grids, spacer labels
    QFont label;    // 16 px: field labels, units, option groups, check box, warning
    QFont header;   // 14 px: the maker's details in the header
    QFont link;     // the header font, underlined: the web links
    QFont field;    // 13 px: edit fields and drop-downs
};

} // namespace kavro::window
