// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/form/window_layout.h"
#include "core/tform1.h"
#include "field_widgets.h"
#include "logo_frame.h"
#include "window_fonts.h"

namespace kavro::window {

// The top right: the maker's company, address and telephone, the two web
// links and the logo; also the two empty spacer labels that mark the corners
// of the client area.
class HeaderArea {
public:
    HeaderArea(QWidget* window, const WindowFonts& fonts, const TForm1& form,
               FieldWidgets& widgets);

    LogoFrame* logo() const { return logo_; }

    // The x coordinate (exclusive) at which the right-aligned header texts
    // end, just left of the logo.
    static constexpr int kTextEnd = form::kHeaderEnd;

private:
    LogoFrame* logo_;
};

} // namespace kavro::window
