// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "field_widgets.h"

#include "qt_text.h"

namespace kavro::window {

void FieldWidgets::add(Field field, QWidget* widget) {
    const QString name = toQString(fieldName(field));
    widget->setObjectName(name);
    widget->setAccessibleName(name);
    widgets_[index(field)] = widget;
}

std::optional<Field> FieldWidgets::fieldOf(const QWidget* widget) const {
    for (; widget; widget = widget->parentWidget()) {
        for (std::size_t i = 0; i < widgets_.size(); ++i)
            if (widgets_[i] == widget)
                return static_cast<Field>(i);
    }
    return std::nullopt;
}

} // namespace kavro::window
