// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/firm/firm_details.h"
#include "core/order/opening_results.h"
#include "core/order/order.h"
#include "core/quote/prices.h"
#include "file_answer.h"

#include <string>
#include <vector>

namespace kavro {

// The quotation in the page: the firm's price list it prices from, and its
// papers. Answers are JSON texts as the calculator's.
class PageQuotation {
public:
    // The list as the program keeps it (what the papers' module read from
    // the user's file); a list with a fault changes nothing.
    std::string setPrices(const std::string& kept);

    // The order's quotation: its printable page ("report"), how it was
    // typed ("typing", for the Word document), its table ("sheet", for the
    // workbook) and the articles without a price ("unpriced").
    std::string quotation(const Order& order, const std::vector<OpeningResults>& results,
                          const FirmDetails& firm) const;
    // The same table as a CSV file.
    FileAnswer quotationCsv(const Order& order, const std::vector<OpeningResults>& results,
                            const FirmDetails& firm) const;

private:
    Prices prices_;
};

} // namespace kavro
