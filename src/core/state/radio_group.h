// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"

#include <string>
#include <vector>

namespace kavro {

// A group of radio items with one choice (-1 when none). Setting a choice
// other than the current one, from code or by a click, runs the click handler
// at once; setting the current choice again runs nothing.
class RadioGroup : public Control {
public:
    RadioGroup(Field id, const ChangeSink& sink, std::vector<std::string> items);

    const std::vector<std::string>& items() const { return items_; }
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);

    bool itemEnabled(int index) const { return enabled_.at(static_cast<std::size_t>(index)); }
    void setItemEnabled(int index, bool enabled);
    // The caption of the chosen item, empty when none is chosen.
    std::string chosenCaption() const;

    Handler onClick;

private:
    std::vector<std::string> items_;
    std::vector<bool> enabled_;
    int itemIndex_ = -1;
};

} // namespace kavro
