// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../firm/firm_details.h"
#include "../order/opening_results.h"
#include "../order/order.h"
#include "prices.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// One line of a quotation: a part of the parts list, or the installation of
// one opening. Without a price the line has no sum either: it is never
// counted as free.
struct QuotationLine {
    std::string article; // empty for installation work
    std::string name;
    std::int64_t quantity = 0;
    std::optional<Money> price;
    std::optional<Money> sum;

    bool operator==(const QuotationLine&) const = default;
};

// The figures below the table; present only when every line has a price.
struct QuotationTotals {
    Money total;
    // Negative, or zero without a discount.
    Money discount;
    Money due;
    // The VAT that `due` holds; zero when the firm works without VAT.
    Money vat;
    // The amount due in words («Двенадцать тысяч ... 67 копеек»).
    std::string dueInWords;

    bool operator==(const QuotationTotals&) const = default;
};

// The commercial offer (Коммерческое предложение) of an order.
struct Quotation {
    std::string customer; // the order's title
    std::vector<QuotationLine> lines;
    std::optional<Percent> discountRate;
    std::optional<Percent> vatRate; // none: «Без НДС»
    // The articles that have no price, each once, in the order of the table.
    std::vector<std::string> unpriced;
    // Nothing when a price is missing: a total without some of the parts
    // would read as the price of all of them.
    std::optional<QuotationTotals> totals;

    bool complete() const { return unpriced.empty(); }
};

// The quotation of `order` (results: one per opening, as for the parts
// list): every line of the parts list priced from `prices`, its name the
// catalogue's or, failing that, the list's; then one installation line per
// opening that has a price for it (its own, else the firm's when above
// zero), its quantity the opening's count. Without `firm` there is no VAT
// and no firm's installation price.
//
// Money is whole kopecks throughout. The discount is −(total × d / 100 %),
// the VAT due × N / (100 % + N), each rounded to the kopeck a half away
// from zero. Throws MoneyOverflow when a sum does not fit 64 bits.
// What the user is told when makeQuotation throws MoneyOverflow.
inline constexpr std::string_view kQuotationTooLarge =
    "Сумма коммерческого предложения слишком велика для подсчёта в копейках; проверьте цены "
    "прайс-листа и монтажа.";

Quotation makeQuotation(const Order& order, const std::vector<OpeningResults>& results,
                        const Prices& prices, const FirmDetails* firm);

// The table of a quotation as its papers and spreadsheets show it: the
// lines, then Итого, Скидка N % (with a discount), К оплате, the VAT row
// and Сумма прописью, always the last. `money` writes an amount (moneyText for papers,
// plainMoneyText for spreadsheets).
struct QuotationRow {
    std::string article;
    std::string name;
    std::string quantity;
    std::string price;
    std::string sum;
    bool total = false; // a row of the totals, below the lines

    bool operator==(const QuotationRow&) const = default;
};
std::vector<QuotationRow> quotationRows(const Quotation& quotation, std::string (*money)(Money));

// What a price-less line shows in place of a price, and the totals in place
// of their figures.
inline constexpr const char* kNoPrice = "нет цены";
inline constexpr const char* kNotCounted = "не подсчитано: нет цены";

// The sentence that says which articles lack a price: «Нет цены у
// артикулов: 4200001, 4200002.» (one article: «у артикула»).
std::string unpricedSentence(const Quotation& quotation);

} // namespace kavro
