// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/order/order.h"

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kavro {

// An order file that cannot be read or written. what() is a message for the
// user: it names the place of the fault (line and column, or the opening's
// number and field) or the system's reason, without the file's name, which
// the caller adds.
class OrderFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // A fault at a line and column of the text; what() names the place in
    // words before the reason.
    OrderFileError(int line, int column, const std::string& reason);

    // The place of the fault in the text, 0 when it has none (a fault of an
    // opening's field, or of the system).
    int line() const { return line_; }
    int column() const { return column_; }
    // what() without the place.
    const std::string& reason() const { return reason_; }

private:
    int line_ = 0;
    int column_ = 0;
    std::string reason_{what()};
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
class OrderFile {
public:
    static constexpr std::string_view kFormat = "kavro-order";
    // The newest version this program reads.
    static constexpr int kVersion = 2;
    // The largest file that is read.
    static constexpr std::size_t kMaxBytes = 64u << 20;

    // The order in `text`; throws OrderFileError for a damaged file, a file
    // of another format or of a newer version, or one over the limits.
    static Order parse(std::string_view text);
    // The file's text for `order`, readable in a text editor.
    static std::string serialize(const Order& order);

    // The version `order` is written as: the oldest that holds it.
    static int versionFor(const Order& order);

    // Reads and parses the file at `path`.
    static Order read(const std::filesystem::path& path);
    // Writes the file atomically: a failed or interrupted save leaves the
    // previous file whole. Refuses to overwrite a file of a newer version.
    static void save(const Order& order, const std::filesystem::path& path);
};

} // namespace kavro
