// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/form/window_layout.h"
#include "core/tform1.h"
#include "field_widgets.h"
#include "window_fonts.h"

namespace kavro::window {

// The left column: profile, mounting, shaft, the five number inputs, control,
// fixing and the crank, each input with its label and unit.
class InputsArea {
public:
    InputsArea(QWidget* window, const WindowFonts& fonts, const TForm1& form,
               FieldWidgets& widgets);

    // The x coordinate (exclusive) at which the labels of this area end.
    static constexpr int kLabelEnd = form::kInputCaptionEnd;
};

} // namespace kavro::window
