// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"

#include <string>
#include <vector>

namespace kavro {

// A tab control: tab captions and the current tab. Only the user switches
// tabs; a switch to another tab runs the change handler.
class TabControl : public Control {
public:
    TabControl(Field id, const ChangeSink& sink, std::vector<std::string> tabs)
        : Control(id, sink), tabs_(std::move(tabs)) {}

    const std::vector<std::string>& tabs() const { return tabs_; }
    int tabIndex() const { return tabIndex_; }

    void setTabCaption(int index, std::string caption) {
        std::string& slot = tabs_.at(static_cast<std::size_t>(index));
        if (slot == caption)
            return;
        slot = std::move(caption);
        notify();
    }

    void userSwitch(int index) {
        if (index == tabIndex_)
            return;
        tabIndex_ = index;
        notify();
        run(onChange);
    }

    Handler onChange;

private:
    std::vector<std::string> tabs_;
    int tabIndex_ = 0;
};

} // namespace kavro
