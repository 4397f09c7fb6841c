// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/state/field.h"

#include <QWidget>
#include <array>
#include <optional>

namespace kavro::window {

// Which widget shows which named field of the window state. Every Field has
// exactly one widget once the areas are built.
class FieldWidgets {
public:
    void add(Field field, QWidget* widget);

    QWidget* widget(Field field) const { return widgets_[index(field)]; }
    template <class W> W* get(Field field) const { return static_cast<W*>(widget(field)); }

    // The field shown by `widget` or by its nearest ancestor that shows one:
    // a radio button belongs to its group, a tab bar to its tab control.
    std::optional<Field> fieldOf(const QWidget* widget) const;

private:
    static std::size_t index(Field field) { return static_cast<std::size_t>(field); }

    std::array<QWidget*, kFieldCount> widgets_{};
};

} // namespace kavro::window
