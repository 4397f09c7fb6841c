// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/firm/firm_details.h"
#include "text_file_error.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kavro {

// A firm file that cannot be read or written.
class FirmFileError : public TextFileError {
public:
    using TextFileError::TextFileError;
};

// The firm's details on disk: UTF-8 JSON with a format name and a version,
// every value a text, money with the decimal comma as the user types it, so
// that the file reads and edits by hand:
//
//   {"format": "kavro-firm", "version": 1, "name": "...", "address": "...",
//    "phone": "...", "email": "...", "website": "...", "inn": "...",
//    "kpp": "...", "logo": "logo.png", "installationPrice": "1500,00",
//    "vat": "20"}
//
// Every key but format and version may be left out; "vat" is a rate in per
// cent or "нет" (no VAT, also when left out). A relative logo path is taken
// from the file's own folder, so that a firm file travels with its logo.
class FirmFile {
public:
    static constexpr std::string_view kFormat = "kavro-firm";
    static constexpr int kVersion = 1;
    // Details are a few lines; anything larger is not a firm file.
    static constexpr std::size_t kMaxBytes = 1u << 20;

    // The details in `text`, a relative logo resolved against `folder`.
    // Throws FirmFileError.
    static FirmDetails parse(std::string_view text, const std::filesystem::path& folder);
    // Throws FirmFileError for details that could not be read back (a text
    // with a line break, an INN of the wrong length).
    static std::string serialize(const FirmDetails& firm);

    static FirmDetails read(const std::filesystem::path& path);
    // Writes atomically, making the folder when it is missing.
    static void save(const FirmDetails& firm, const std::filesystem::path& path);
};

// Where the details are kept for the user: $XDG_CONFIG_HOME/kavro/firm.json,
// or ~/.config/kavro/firm.json when XDG_CONFIG_HOME is unset, empty or not
// absolute (the XDG rule, which Qt's generic configuration location follows
// too, so the window and the command-line tools meet at one file). Empty
// when neither variable helps.
std::filesystem::path userFirmFilePath();

// The file whose details head the papers: `named` when given, else the
// user's own file when it exists; empty when there is none, and the papers
// are written as without details.
std::filesystem::path firmFileToRead(const std::optional<std::filesystem::path>& named);

} // namespace kavro
