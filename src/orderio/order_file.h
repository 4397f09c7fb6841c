// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/order/order.h"
#include "text_file_error.h"

#include <cstddef>
#include <filesystem>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace kavro {

// An order file that cannot be read or written.
class OrderFileError : public TextFileError {
public:
    using TextFileError::TextFileError;
};

// The order file (.kavro): UTF-8 JSON with a format name and a version; the
// inputs as the window holds them.
//
// Version 2 adds the prices of a quotation: the order's "discount" ("5",
// "2,5": per cent) and an opening's own "installationPrice" ("1500,00"),
// both texts read exactly as the user types them. A file is written as
// version 2 only when it holds either: an order without them stays a
// version-1 file, which the programs of version 1 still in use at a firm
// open as before.
//
// Version 3 carries the firm's server's ids: the order's "id" and
// "revision", and every shared opening's. A file is written as version 3
// only when the order or an opening has an id.
class OrderFile {
public:
    static constexpr std::string_view kFormat = "kavro-order";
    // The newest version this program reads.
    static constexpr int kVersion = 3;
    // The longest id: the server's are 32 hex digits.
    static constexpr std::size_t kMaxIdLength = 64;
    // Why `id` cannot be a server's id (of an order, an opening, an edit),
    // if it cannot: ids go into URLs and file names, so they are letters,
    // digits, '-' and '_' alone. The empty id is none.
    static std::optional<std::string> idFault(const std::string& id);
    // The largest file that is read.
    static constexpr std::size_t kMaxBytes = 64u << 20;

    // The order in `text`; throws OrderFileError for a damaged file, a file
    // of another format or of a newer version, or one over the limits.
    static Order parse(std::string_view text);
    // The file's text for `order`, readable in a text editor.
    static std::string serialize(const Order& order);
    // The same file before it is written as text, for a program that
    // compares values as the file writes them without reading it back.
    static nlohmann::ordered_json tree(const Order& order);

    // The version `order` is written as: the oldest that holds it.
    static int versionFor(const Order& order);

    // Reads and parses the file at `path`.
    static Order read(const std::filesystem::path& path);
    // Writes the file atomically: a failed or interrupted save leaves the
    // previous file whole. Refuses to overwrite a file of a newer version.
    static void save(const Order& order, const std::filesystem::path& path);
};

} // namespace kavro
