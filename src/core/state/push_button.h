// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"

#include <string>

namespace kavro {

// A push button; the logic only ever reads its caption.
class PushButton : public Control {
public:
    PushButton(Field id, const ChangeSink& sink, std::string caption)
        : Control(id, sink), caption_(std::move(caption)) {}
    const std::string& caption() const { return caption_; }

private:
    std::string caption_;
};

} // namespace kavro
