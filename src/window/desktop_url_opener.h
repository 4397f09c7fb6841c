// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/services.h"

namespace kavro::window {

// Opens a web address with the desktop's default browser. Whether that
// worked is not examined: a link that cannot be opened changes nothing.
class DesktopUrlOpener : public UrlOpener {
public:
    void open(const std::string& url) override;
};

} // namespace kavro::window
