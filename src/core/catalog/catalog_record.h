// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string_view>

namespace kavro {

// A catalogue record: at most 100 single-byte characters, fields each closed
// by "|", numbered from 1, numbers with the decimal comma.
inline constexpr std::size_t kMaxRecordLength = 100;

// Field n of a record: the text between the (n-1)-th and the n-th "|". A field
// beyond the last "|" is the empty text, and so is text after the last "|".
std::string_view PoluchitSvoystvo(std::string_view record, int n);

// Whether every built-in record of a table keeps to the record form.
constexpr bool recordsFit(const auto& records) {
    for (std::string_view r : records)
        if (r.empty() || r.size() > kMaxRecordLength || r.back() != '|')
            return false;
    return true;
}

} // namespace kavro
