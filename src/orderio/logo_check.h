// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kavro {

// A logo larger than this is refused: it would swell every paper.
inline constexpr std::size_t kMaxLogoBytes = 2u << 20;

// What is wrong with the bytes of a logo, in the user's words; nothing when
// they begin as a PNG (signature and a header chunk with a size) or a JPEG
// (start of image and a marker) does and are at most kMaxLogoBytes. The
// window decodes the whole image as well; this check needs no display.
std::optional<std::string> logoFault(std::string_view bytes);

// The same for a file; a file that cannot be read is a fault too.
std::optional<std::string> logoFileFault(const std::filesystem::path& path);

} // namespace kavro
