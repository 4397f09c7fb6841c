// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace kavro {

// Writes `bytes` into a new file. When the name is taken the result is
// std::errc::file_exists and the existing file is not touched. A file that
// could not be written whole is removed again.
std::error_code writeNewFile(const std::filesystem::path& file, std::string_view bytes);

// Puts `bytes` in place of `file` in one step: a reader sees the old content
// or the new one, never a part; when anything fails, the old file stays as
// it was.
std::error_code replaceFile(const std::filesystem::path& file, std::string_view bytes);

} // namespace kavro
