// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// One file of a zip archive, unpacked.
struct ZipEntry {
    std::string name;
    std::string bytes;
};

// What reading an archive may cost at most. An archive beyond any of these
// is refused whole, so that a small file that unpacks to gigabytes (a zip
// bomb) cannot exhaust memory.
struct ZipLimits {
    std::uint64_t entries = 1000;
    std::uint64_t unpackedBytes = 64u << 20; // all entries together
};

// The entries of the archive held in `bytes`, in archive order, folders left
// out; nothing when it is no zip archive, is damaged (a CRC or size that does
// not match), holds two entries of one name (compared without case, as
// package part names are), or exceeds the limits. Sizes the archive's
// directory declares beyond the limits refuse it before anything is
// unpacked; sizes it understates stop the unpacking where they are passed.
std::optional<std::vector<ZipEntry>> readZip(std::string_view bytes, const ZipLimits& limits);

// The bytes the entries of the archive in `bytes` say they unpack to, all
// together, from its directory alone; nothing when it is no zip archive.
std::optional<std::uint64_t> declaredUnpackedBytes(std::string_view bytes);

// A file to pack, held elsewhere.
struct ZipEntryView {
    std::string_view name;
    std::string_view bytes;
};

// A zip archive holding `entries` in their order, deflated. Throws
// std::runtime_error when the archive cannot be built.
std::string writeZip(const std::vector<ZipEntryView>& entries);

} // namespace kavro
