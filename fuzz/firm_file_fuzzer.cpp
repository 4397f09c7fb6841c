// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: arbitrary bytes as the firm's details, as a logo, as a
// price and as a price list. The details must be read or refused with
// FirmFileError, and details that are read must be written again and read
// back the same. The logo check and the price reader must answer without a
// crash; a price that is read must be written and read back as the same
// kopecks. A price list with a fault must take nothing; one without must
// hold no negative price, read back the same from the copy the window
// keeps of it, and price a quotation without a crash (a sum too large is
// refused, never wrapped).
#include "core/money/money.h"
#include "core/quote/quotation.h"
#include "finding.h"
#include "orderio/firm_file.h"
#include "orderio/logo_check.h"
#include "orderio/price_list.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace kavro;
using kavro::fuzz::finding;

void checkDetails(std::string_view bytes) {
    FirmDetails firm;
    try {
        firm = FirmFile::parse(bytes, "/firm");
    } catch (const FirmFileError&) {
        return;
    }
    if (!(FirmFile::parse(FirmFile::serialize(firm), "/elsewhere") == firm))
        finding("details read back from their own file differ");
}

void checkPrice(std::string_view bytes) {
    const auto price = parsePrice(bytes);
    if (const Money* money = std::get_if<Money>(&price)) {
        if (money->kopecks < 0)
            finding("a negative price was read");
        const auto again = parsePrice(moneyText(*money));
        if (!std::holds_alternative<Money>(again) || std::get<Money>(again) != *money)
            finding("a price does not read back from its own text");
    }
}

void checkPriceList(std::string_view bytes) {
    const PriceList list = importPriceList(bytes);
    if (!list.errors.empty()) {
        if (!list.articles.empty())
            finding("a price list with a fault took articles");
        return;
    }
    for (const auto& [article, priced] : list.articles)
        if (priced.price.kopecks < 0 || article.empty())
            finding("a price list took a negative price or an empty article");
    const PriceList again = importPriceList(priceListText(list.articles));
    if (!again.errors.empty() || again.articles != list.articles)
        finding("a kept price list does not read back the same");
    if (list.articles.empty())
        return;
    Order order;
    order.openings.resize(1);
    order.openings[0].count = Opening::kMaxCount;
    OpeningResults results;
    results.driveArticle = list.articles.begin()->first;
    try {
        const Quotation quotation = makeQuotation(order, {results}, list.articles, nullptr);
        if (!quotation.totals || quotation.totals->total.kopecks < 0)
            finding("a priced quotation has no total or a negative one");
    } catch (const MoneyOverflow&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkDetails(bytes);
    (void)logoFault(bytes);
    checkPrice(bytes);
    checkPriceList(bytes);
    return 0;
}
