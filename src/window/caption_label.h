// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QPoint>

namespace kavro::window {

// Makes a label of its natural size named `name`. Field labels stand
// right-aligned against their fields, so they are placed by their right
// edge; unit labels and other captions by their left edge.
QLabel* captionLabel(QWidget* parent, const char* name, const QString& caption, const QFont& font);
void placeByRightEdge(QWidget* widget, int rightEdge, int top);

// The labels of one field: its caption, ending at `captionEnd`, and its unit
// (none when `unitName` is null) at `unitPlace`; all in client pixels.
struct FieldLabels {
    const char* captionName;
    const char* caption;
    QPoint captionEnd; // right edge and top
    const char* unitName;
    const char* unit;
    QPoint unitPlace;
};

// Puts the labels of `field` on the window; the caption becomes the field's
// buddy and its accessible description.
void labelField(QWidget* window, QWidget* field, const FieldLabels& labels, const QFont& font);

} // namespace kavro::window
