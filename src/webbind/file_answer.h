// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace kavro {

// A file the page writes: its bytes, or why there are none.
struct FileAnswer {
    std::string bytes;
    std::string error; // empty when written
};

} // namespace kavro
