// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

void labelField(QWidget* window, QWidget* field, const FieldLabels& labels, const QFont& font) {
    QLabel* caption =
        captionLabel(window, labels.captionName, QString::fromUtf8(labels.caption), font);
    placeByRightEdge(caption, labels.captionEnd.x(), labels.captionEnd.y());
    caption->setBuddy(field);
    field->setAccessibleDescription(caption->text());
    if (labels.unitName) {
        QLabel* unit = captionLabel(window, labels.unitName, QString::fromUtf8(labels.unit), font);
        unit->move(labels.unitPlace);
    }
}

} // namespace kavro::window
