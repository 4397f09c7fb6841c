// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "page_quotation.h"

#include "calculator.h"
#include "core/quote/quotation.h"
#include "core/report/quotation_report.h"
#include "core/report/report_date.h"
#include "orderio/price_list.h"
#include "orderio/quotation_export.h"
#include "sheet_table_json.h"
#include "typed_report.h"

#include <nlohmann/json.hpp>

namespace kavro {

namespace {

using Json = nlohmann::ordered_json;

std::string failed(std::string_view error) {
    return Json{{"result", "failed"}, {"error", error}}.dump();
}

} // namespace

std::string PageQuotation::setPrices(const std::string& kept) {
    PriceList list = importPriceList(kept);
    if (!list.errors.empty())
        return failed(priceListRefusal("прайс-лист из браузера", list));
    prices_ = std::move(list.articles);
    return Json{{"result", "done"}, {"count", prices_.size()}}.dump();
}

std::string PageQuotation::quotation(const Order& order, const std::vector<OpeningResults>& results,
                                     const FirmDetails& firm) const {
    TypedReportLauncher launcher;
    Quotation made;
    try {
        made = makeQuotation(order, results, prices_, &firm);
        typeQuotation(made, quotationNumberNow(), todaysReportDate(), *launcher.launch(), &firm);
    } catch (const MoneyOverflow&) {
        return failed(kQuotationTooLarge);
    } catch (const std::exception& error) {
        return failed(error.what());
    }
    if (!launcher.typing)
        return failed("no quotation");
    return Json{{"result", "done"},
                {"report", printablePage(*launcher.typing)},
                {"typing", *launcher.typing},
                {"sheet", sheetTableJson(quotationSheet(made))},
                {"unpriced", made.unpriced}}
        .dump();
}

FileAnswer PageQuotation::quotationCsv(const Order& order,
                                       const std::vector<OpeningResults>& results,
                                       const FirmDetails& firm) const {
    try {
        return {csvText(quotationSheet(makeQuotation(order, results, prices_, &firm))), {}};
    } catch (const MoneyOverflow&) {
        return {{}, std::string(kQuotationTooLarge)};
    }
}

} // namespace kavro
