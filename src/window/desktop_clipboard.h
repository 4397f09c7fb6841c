// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/services.h"

namespace kavro::window {

// The desktop's clipboard, plain text.
class DesktopClipboard : public Clipboard {
public:
    void setText(const std::string& text) override;
    // While muted, the clipboard keeps what the user put there: the form's
    // actions that copy a cell are then not the user's own.
    void setMuted(bool muted) { muted_ = muted; }

private:
    bool muted_ = false;
};

} // namespace kavro::window
