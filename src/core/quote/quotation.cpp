// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quotation.h"

#include "../money/amount_in_words.h"
#include "../order/parts_list.h"

#include <algorithm>

namespace kavro {

namespace {

QuotationLine partLine(const PartsListLine& part, const Prices& prices) {
    QuotationLine line{part.article, part.name, part.quantity, std::nullopt, std::nullopt};
    if (const auto priced = prices.find(part.article); priced != prices.end()) {
        line.price = priced->second.price;
        line.sum = multiplyMoney(priced->second.price, part.quantity);
        if (line.name.empty())
            line.name = priced->second.name;
    }
    return line;
}

// The price of installing one of `opening`: its own, else the firm's. A
// firm's price of zero is a firm that has set none, and lists no work; an
// opening's own zero is work the firm does free, and is listed.
std::optional<Money> installationPrice(const Opening& opening, const FirmDetails* firm) {
    if (opening.installationPrice)
        return opening.installationPrice;
    if (firm && firm->installationPrice > Money{0})
        return firm->installationPrice;
    return std::nullopt;
}

std::string installationName(const Order& order, std::size_t index) {
    const std::string& location = order.openings[index].location;
    return "Монтаж, проём " + std::to_string(index + 1) +
           (location.empty() ? "" : " «" + location + "»");
}

QuotationTotals totalsOf(const Quotation& quotation) {
    QuotationTotals totals;
    for (const QuotationLine& line : quotation.lines)
        totals.total = addMoney(totals.total, *line.sum);
    // discount = −round(total × d / 10000), d in hundredths of a per cent,
    // rounded a half kopeck away from zero in integers (percentOf).
    if (quotation.discountRate)
        totals.discount = Money{-percentOf(totals.total, *quotation.discountRate).kopecks};
    totals.due = addMoney(totals.total, totals.discount);
    // vat = round(due × N / (10000 + N)), N in hundredths, the same rounding.
    if (quotation.vatRate)
        totals.vat = includedTax(totals.due, *quotation.vatRate);
    totals.dueInWords = amountInWords(totals.due);
    return totals;
}

} // namespace

Quotation makeQuotation(const Order& order, const std::vector<OpeningResults>& results,
                        const Prices& prices, const FirmDetails* firm) {
    Quotation quotation;
    quotation.customer = order.title;
    quotation.discountRate = order.discount;
    if (firm)
        quotation.vatRate = firm->vat;
    for (const PartsListLine& part : makePartsList(order, results)) {
        quotation.lines.push_back(partLine(part, prices));
        if (!quotation.lines.back().price &&
            std::find(quotation.unpriced.begin(), quotation.unpriced.end(), part.article) ==
                quotation.unpriced.end())
            quotation.unpriced.push_back(part.article);
    }
    for (std::size_t i = 0; i < order.openings.size(); ++i) {
        const Opening& opening = order.openings[i];
        if (const auto price = installationPrice(opening, firm); price && opening.count > 0)
            quotation.lines.push_back({"", installationName(order, i), opening.count, *price,
                                       multiplyMoney(*price, opening.count)});
    }
    if (quotation.complete())
        quotation.totals = totalsOf(quotation);
    return quotation;
}

std::vector<QuotationRow> quotationRows(const Quotation& quotation, std::string (*money)(Money)) {
    std::vector<QuotationRow> rows;
    for (const QuotationLine& line : quotation.lines)
        rows.push_back({line.article, line.name, std::to_string(line.quantity),
                        line.price ? money(*line.price) : kNoPrice,
                        line.sum ? money(*line.sum) : "", false});
    const auto& totals = quotation.totals;
    const auto figure = [&](Money QuotationTotals::*member) {
        return totals ? money((*totals).*member) : std::string(kNotCounted);
    };
    rows.push_back({"", "Итого", "", "", figure(&QuotationTotals::total), true});
    if (quotation.discountRate)
        rows.push_back({"", "Скидка " + percentText(*quotation.discountRate) + " %", "", "",
                        figure(&QuotationTotals::discount), true});
    rows.push_back({"", "К оплате", "", "", figure(&QuotationTotals::due), true});
    if (quotation.vatRate)
        rows.push_back({"", "В том числе НДС " + percentText(*quotation.vatRate) + " %", "", "",
                        figure(&QuotationTotals::vat), true});
    else
        rows.push_back({"", "Без НДС", "", "", "", true});
    rows.push_back(
        {"", "Сумма прописью: " + (totals ? totals->dueInWords : kNotCounted), "", "", "", true});
    return rows;
}

std::string unpricedSentence(const Quotation& quotation) {
    if (quotation.unpriced.empty())
        return {};
    std::string list;
    for (const std::string& article : quotation.unpriced)
        list += (list.empty() ? "" : ", ") + article;
    return std::string(quotation.unpriced.size() == 1 ? "Нет цены у артикула: "
                                                      : "Нет цены у артикулов: ") +
           list + ".";
}

} // namespace kavro
