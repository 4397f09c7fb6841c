// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "firm_file.h"
#include "logo_check.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace kavro {

// The firm's details as one .zip (Экспорт реквизитов in the page): firm.json
// and the logo it names, under that name without folders, as the desktop
// keeps the two side by side. The page writes it; the page and the window
// read it back, so that a firm sets its details once for both.
struct FirmArchive {
    std::string firmJson;
    std::string logoName;  // as firm.json names it; empty for none
    std::string logoBytes; // empty for none

    // A firm file and a logo at their largest, deflate's few bytes of
    // overhead on top: anything larger is refused before it is read.
    static constexpr std::size_t kMaxBytes = FirmFile::kMaxBytes + kMaxLogoBytes + (64u << 10);
};

// Throws std::runtime_error when the archive cannot be built.
std::string writeFirmArchive(const std::string& firmJson, const std::string& logoBytes);

// The archive in `bytes`, or why it is none, in the user's words: also
// when firm.json names a logo the archive does not hold. The details
// themselves, and the logo as a picture, are checked where they are taken.
std::variant<FirmArchive, std::string> readFirmArchive(std::string_view bytes);

} // namespace kavro
