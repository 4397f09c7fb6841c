// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/money/money.h"
#include "openings_import.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// One article of the firm's price list: the price the customer pays, tax
// included, and the list's own name for it, if it gives one.
struct PricedArticle {
    Money price;
    std::string name;

    bool operator==(const PricedArticle&) const = default;
};

// The firm's price list (Прайс-лист), by article.
struct PriceList {
    std::map<std::string, PricedArticle, std::less<>> articles;
    // Every fault found; when there is any, `articles` is empty: a list with
    // a fault changes nothing.
    std::vector<CsvCellError> errors;
};

// Reads a price list spreadsheet with the columns «Артикул», «Цена, руб.»
// and, optionally, «Наименование», in any order, through the openings
// spreadsheet's reader: the same separators, encodings and messages.
// Prices are read as parsePrice reads them; an empty, negative or malformed
// price and an article named twice are faults of their row. Rows of empty
// cells are skipped.
PriceList importPriceList(std::string_view text);

} // namespace kavro
