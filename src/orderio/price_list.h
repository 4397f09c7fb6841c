// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/quote/prices.h"
#include "openings_import.h"

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// The firm's price list (Прайс-лист), by article.
struct PriceList {
    Prices articles;
    // Every fault found; when there is any, `articles` is empty: a list with
    // a fault changes nothing.
    std::vector<CsvCellError> errors;
    // The errors are placed by cell address (a workbook), not by line.
    bool cellAddresses = false;
};

// Reads a price list spreadsheet with the columns «Артикул», «Цена, руб.»
// and, optionally, «Наименование», in any order, through the openings
// spreadsheet's reader: the same separators, encodings and messages.
// Prices are read as parsePrice reads them; an empty, negative or malformed
// price and an article named twice are faults of their row. Rows of empty
// cells are skipped.
PriceList importPriceList(std::string_view text);

// The same from rows already read (a workbook's sheet); the first row names
// the columns. At most the rows of importPriceList.
PriceList priceListOfRows(const std::vector<CsvRow>& rows);

// The message that refuses the list in the file `name` for its faults, each
// placed by row (a text table) or by cell (a workbook), the first twenty of
// them and how many more.
std::string priceListRefusal(std::string_view name, const PriceList& list);

// The list as the program keeps it: a CSV of the three columns, UTF-8 with
// a byte-order mark and `;`, prices written "1234,50"; importPriceList reads
// it back to the same articles.
std::string priceListText(const Prices& prices);

// Where the user's price list is kept: prices.csv beside the firm's details
// (userFirmFilePath()); empty when there is no such folder.
std::filesystem::path userPriceListPath();

// The most rows a list holds, its names row left out.
inline constexpr std::size_t kMaxPriceListRows = 100'000;

} // namespace kavro
