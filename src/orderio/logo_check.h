// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/picture.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kavro {

// A logo larger than this is refused: it would swell every paper.
inline constexpr std::size_t kMaxLogoBytes = kMaxPictureBytes;

// What is wrong with the bytes of a logo, in the user's words; nothing when
// they begin as a picture does (pictureOf) and are at most kMaxLogoBytes. The
// window decodes the whole image as well; this check needs no display.
std::optional<std::string> logoFault(std::string_view bytes);

// The fault of a logo whose header reads as a picture but whose image does
// not decode (the window's and the browser's own decoders tell).
inline constexpr std::string_view kUndecodableLogo = "логотип повреждён: изображение не читается";

// The message that refuses the logo file `name` for `fault`.
std::string logoRefusal(std::string_view name, std::string_view fault);

// The same for a file; a file that cannot be read is a fault too.
std::optional<std::string> logoFileFault(const std::filesystem::path& path);

} // namespace kavro
