#include "caption_label.h"

namespace kavro::window {

QLabel* captionLabel(QWidget* parent, const char* name, const QString& caption, const QFont& font) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->adjustSize();
    return label;
}

void placeByRightEdge(QWidget* widget, int rightEdge, int top) {
    widget->move(rightEdge - widget->width(), top);
}

} // namespace kavro::window
