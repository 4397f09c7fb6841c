// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "edit_field.h"

#include "../text/utf8.h"

namespace kavro {

EditField::EditField(Field id, const ChangeSink& sink, std::string text, Options options)
    : Control(id, sink), EditableText(std::move(text)), options_(options) {}

void EditField::setText(std::string text) {
    const std::size_t end = utf8::length(text);
    change(std::move(text), end);
}

void EditField::userEdit(std::string text, std::size_t caret) {
    change(std::move(text), caret);
}

void EditField::change(std::string text, std::size_t caret) {
    if (text == this->text())
        return;
    store(std::move(text), caret);
    notify();
    run(onChange);
}

void EditField::setEnabled(bool enabled) {
    if (options_.enabled == enabled)
        return;
    options_.enabled = enabled;
    notify();
}

} // namespace kavro
