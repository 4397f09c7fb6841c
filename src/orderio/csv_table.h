// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// A spreadsheet text that is not valid CSV (RFC 4180): a stray or unclosed
// quote, or more rows than are read.
class CsvSyntaxError : public std::runtime_error {
public:
    CsvSyntaxError(int row, const std::string& message) : std::runtime_error(message), row_(row) {}
    // The spreadsheet row (from 1) where the fault stands.
    int row() const { return row_; }

private:
    int row_;
};

using CsvRow = std::vector<std::string>;

// The text without a leading UTF-8 byte-order mark.
std::string_view withoutByteOrderMark(std::string_view text);

// The separator of a spreadsheet, ';', ',' or a tab: the one with which the
// first row splits into the most names `isKnownName` accepts; on a tie the
// first of them in that order. The text may be in any encoding
// decodeSpreadsheetText() knows.
// (Column names may hold commas themselves, so counting characters would
// not do.)
char detectSeparator(std::string_view text,
                     const std::function<bool(std::string_view)>& isKnownName);

// The rows of a CSV text (RFC 4180, lines ended by CRLF or LF; cells kept
// as they are, spaces included), in UTF-8 whatever encoding
// decodeSpreadsheetText() finds the text in. Blank lines hold no row. Throws
// CsvSyntaxError; more than `maxRows` rows is refused as soon as it is seen.
std::vector<CsvRow> readCsv(std::string_view text, char separator, std::size_t maxRows);

// One row as a spreadsheet reads it back: cells joined by `separator`,
// quoted where they need it, ended by CRLF.
std::string csvLine(const CsvRow& cells, char separator);

// The UTF-8 byte-order mark with which a Russian spreadsheet recognises the
// encoding of a CSV file.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace kavro
