// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"

#include <string>

namespace kavro {

// A label: a caption that the logic may show or hide. A link label also
// carries the address that a click on it opens.
class Label : public Control {
public:
    Label(Field id, const ChangeSink& sink, std::string caption, bool visible, std::string url = {})
        : Control(id, sink), caption_(std::move(caption)), url_(std::move(url)), visible_(visible) {
    }

    const std::string& caption() const { return caption_; }
    const std::string& url() const { return url_; }
    bool visible() const { return visible_; }
    void setVisible(bool visible) {
        if (visible_ == visible)
            return;
        visible_ = visible;
        notify();
    }

private:
    std::string caption_;
    std::string url_;
    bool visible_;
};

} // namespace kavro
