// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drop_down.h"

#include "../text/utf8.h"

namespace kavro {

DropDown::DropDown(Field id, const ChangeSink& sink, std::vector<std::string> items,
                   std::string text, bool enabled, bool pickOnly)
    : Control(id, sink), EditableText(std::move(text)), items_(std::move(items)), enabled_(enabled),
      pickOnly_(pickOnly) {}

void DropDown::setText(std::string text) {
    if (text == this->text())
        return;
    const std::size_t end = utf8::length(text);
    store(std::move(text), end);
    notify();
}

void DropDown::setItemIndex(int index) {
    if (index >= static_cast<int>(items_.size()))
        index = -1;
    if (index >= 0 && items_[static_cast<std::size_t>(index)] != text()) {
        const std::string& item = items_[static_cast<std::size_t>(index)];
        store(item, utf8::length(item));
    } else if (index == itemIndex_) {
        return;
    }
    itemIndex_ = index;
    notify();
}

void DropDown::clearItems() {
    if (items_.empty() && itemIndex_ == -1)
        return;
    items_.clear();
    itemIndex_ = -1;
    notify();
}

void DropDown::addItem(std::string item) {
    items_.push_back(std::move(item));
    notify();
}

void DropDown::setEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    notify();
}

void DropDown::userPick(int index) {
    const std::string item = items_.at(static_cast<std::size_t>(index));
    store(item, utf8::length(item));
    itemIndex_ = index;
    notify();
    run(onChange);
}

void DropDown::userEdit(std::string text, std::size_t caret) {
    if (text == this->text())
        return;
    store(std::move(text), caret);
    itemIndex_ = firstItemEqualTo(this->text());
    notify();
    run(onChange);
}

int DropDown::firstItemEqualTo(const std::string& text) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == text)
            return static_cast<int>(i);
    return -1;
}

} // namespace kavro
