#pragma once

#include <QLabel>

namespace kavro::window {

// Makes a label of its natural size named `name`. Field labels stand
// right-aligned against their fields, so they are placed by their right
// edge; unit labels and other captions by their left edge.
QLabel* captionLabel(QWidget* parent, const char* name, const QString& caption, const QFont& font);
void placeByRightEdge(QWidget* widget, int rightEdge, int top);

} // namespace kavro::window
