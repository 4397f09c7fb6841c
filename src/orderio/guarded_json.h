// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kavro {

// A JSON text that cannot be read: what() is the reason in the user's words,
// line() and column() its place (0 when the fault has no single place).
class JsonTextError : public std::runtime_error {
public:
    JsonTextError(int line, int column, const std::string& reason)
        : std::runtime_error(reason), line_(line), column_(column) {}
    int line() const { return line_; }
    int column() const { return column_; }

private:
    int line_;
    int column_;
};

// The document in `text`, keys in the order written. The files the program
// keeps are read through this one reader so that a damaged one is told
// about in the same words: a repeated key and a nesting deeper than
// `maxDepth` containers are refused while reading. Throws JsonTextError.
nlohmann::ordered_json parseGuardedJson(std::string_view text, int maxDepth);

} // namespace kavro
