// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "radio_group.h"

namespace kavro {

RadioGroup::RadioGroup(Field id, const ChangeSink& sink, std::vector<std::string> items)
    : Control(id, sink), items_(std::move(items)), enabled_(items_.size(), true) {}

void RadioGroup::setItemIndex(int index) {
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    notify();
    run(onClick);
}

void RadioGroup::setItemEnabled(int index, bool enabled) {
    const auto i = static_cast<std::size_t>(index);
    if (enabled_.at(i) == enabled)
        return;
    enabled_[i] = enabled;
    notify();
}

std::string RadioGroup::chosenCaption() const {
    if (itemIndex_ < 0 || itemIndex_ >= static_cast<int>(items_.size()))
        return {};
    return items_[static_cast<std::size_t>(itemIndex_)];
}

} // namespace kavro
