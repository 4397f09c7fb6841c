// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace kavro {

// Makes `bytes` the whole content of `file` in one step: they are written to
// a temporary file in the same folder, flushed to the disk and renamed over
// `file`. A reader, or the disk after a crash, sees the old content or the
// new, never a part. On failure the temporary file is removed, the old file
// is left whole, and the system's reason is returned. A replaced file keeps
// its permissions; a symbolic link is written through, not replaced.
std::error_code writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Writes `bytes` into a new file. When the name is taken the result is
// std::errc::file_exists and the existing file is not touched. A file that
// could not be written whole is removed again.
std::error_code writeNewFile(const std::filesystem::path& file, std::string_view bytes);

// "не удалось записать файл: REASON" in the user's words.
std::string writeFailureMessage(const std::error_code& error);

} // namespace kavro
