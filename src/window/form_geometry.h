// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "caption_label.h"
#include "core/form/window_layout.h"

#include <QRect>

namespace kavro::window {

inline QRect toQRect(const form::Rect& r) {
    return {r.x, r.y, r.width, r.height};
}

// The caption and unit of a field as the window places them.
inline FieldLabels fieldLabels(const form::LabelledField& row) {
    return {row.captionName, row.caption.c_str(), {row.captionEnd.x, row.captionEnd.y},
            row.unitName,    row.unit.c_str(),    {row.unitPlace.x, row.unitPlace.y}};
}

} // namespace kavro::window
