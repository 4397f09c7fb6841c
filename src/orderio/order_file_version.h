// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace kavro {

// What a file says it is: the "format" and "version" of its top level, as
// far as they could be read.
struct FileIdentity {
    std::optional<std::string> format;
    std::optional<std::int64_t> version;
    bool versionNotWhole = false; // a version that is there but no whole number
};

// Throws OrderFileError unless the identity is an order file's of a version
// this program reads; a newer version is named as such, so that the user
// knows to update the program rather than suspect the file.
void checkIdentity(const FileIdentity& identity);

// Throws OrderFileError when `path` holds an order file of a newer version:
// saving over it would lose what the newer program wrote. Any other file,
// damaged or not, may be replaced. Reads only as far as the version.
void refuseNewerFile(const std::filesystem::path& path);

} // namespace kavro
