// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>

namespace kavro {

// Opens a file with the desktop's default application for its type. The
// window supplies the real one.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // False when no application could be started for the file.
    virtual bool open(const std::filesystem::path& file) = 0;
};

} // namespace kavro
