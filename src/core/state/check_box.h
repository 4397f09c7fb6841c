// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"

#include <string>

namespace kavro {

// A check box. Changing the flag, from code or by a click, runs the click
// handler at once; setting the flag it already has runs nothing.
class CheckBox : public Control {
public:
    CheckBox(Field id, const ChangeSink& sink, std::string caption, bool enabled)
        : Control(id, sink), caption_(std::move(caption)), enabled_(enabled) {}

    const std::string& caption() const { return caption_; }
    bool checked() const { return checked_; }
    bool enabled() const { return enabled_; }

    void setChecked(bool checked) {
        if (checked_ == checked)
            return;
        checked_ = checked;
        notify();
        run(onClick);
    }
    void setEnabled(bool enabled) {
        if (enabled_ == enabled)
            return;
        enabled_ = enabled;
        notify();
    }

    Handler onClick;

private:
    std::string caption_;
    bool checked_ = false;
    bool enabled_;
};

} // namespace kavro
