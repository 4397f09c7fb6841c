// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/services.h"

namespace kavro::window {

// The desktop's clipboard, plain text.
class DesktopClipboard : public Clipboard {
public:
    void setText(const std::string& text) override;
};

} // namespace kavro::window
