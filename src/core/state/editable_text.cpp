// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editable_text.h"

#include "../text/utf8.h"

#include <algorithm>

namespace kavro {

EditableText::EditableText(std::string text)
    : text_(std::move(text)), length_(utf8::length(text_)), caret_(length_), anchor_(length_) {}

void EditableText::setCaret(std::size_t position) {
    caret_ = anchor_ = std::min(position, length_);
}

void EditableText::selectAll() {
    anchor_ = 0;
    caret_ = length_;
}

void EditableText::setSelection(std::size_t start, std::size_t length) {
    anchor_ = std::min(start, length_);
    caret_ = std::min(anchor_ + std::min(length, length_), length_);
}

EditableText::Edit EditableText::insertion(const std::string& inserted) const {
    const std::size_t from = utf8::offsetOf(text_, selectionStart());
    const std::size_t to = utf8::offsetOf(text_, selectionStart() + selectionLength());
    Edit edit{text_.substr(0, from) + inserted + text_.substr(to), 0};
    edit.caret = selectionStart() + utf8::length(inserted);
    return edit;
}

EditableText::Edit EditableText::backspace() const {
    if (selectionLength() == 0 && caret_ == 0)
        return {text_, 0};
    const std::size_t first = selectionLength() > 0 ? selectionStart() : caret_ - 1;
    const std::size_t last = selectionLength() > 0 ? selectionStart() + selectionLength() : caret_;
    const std::size_t from = utf8::offsetOf(text_, first);
    const std::size_t to = utf8::offsetOf(text_, last);
    return {text_.substr(0, from) + text_.substr(to), first};
}

void EditableText::store(std::string text, std::size_t caret) {
    text_ = std::move(text);
    length_ = utf8::length(text_);
    setCaret(caret);
}

} // namespace kavro
