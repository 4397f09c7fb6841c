// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/form/window_layout.h"
#include "field_widgets.h"
#include "window_fonts.h"

namespace kavro::window {

// The right column: the computed figures, each with its label and unit, and
// the red narrow-construction warning.
class ResultsArea {
public:
    ResultsArea(QWidget* window, const WindowFonts& fonts, FieldWidgets& widgets);

    // The x coordinate (exclusive) at which the labels of this area end.
    static constexpr int kLabelEnd = form::kResultCaptionEnd;
};

} // namespace kavro::window
