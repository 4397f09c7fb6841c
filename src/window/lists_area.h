// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "field_widgets.h"
#include "window_fonts.h"

namespace kavro::window {

// The tab control with the recommended drives and the accessories lying on
// the same place inside it (the state shows one and hides the other), and
// the report button below.
class ListsArea {
public:
    ListsArea(QWidget* window, const WindowFonts& fonts, FieldWidgets& widgets);
};

} // namespace kavro::window
