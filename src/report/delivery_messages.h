// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace kavro {

// What the user is told, in Russian, when the finished report cannot be left
// to them. Paths are named in full; the message box adds the full stop.

// The document could not be put together at all.
std::string reportNotBuiltMessage();
// Writing `file` failed for `error`; no such file is left behind.
std::string reportNotWrittenMessage(const std::filesystem::path& file, std::error_code error);
// No unused file name was left in `folder`.
std::string noFreeNameMessage(const std::filesystem::path& folder);
// The report is in `file`, but no application opened it.
std::string reportNotOpenedMessage(const std::filesystem::path& file);

} // namespace kavro
