// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "json_reply.h"
#include "orderio/firm_file.h"
#include "orderio/logo_check.h"
#include "orderio/price_list.h"
#include "route_handlers.h"

namespace kavro::server {

namespace {

ApiReply bytesReply(std::string bytes, std::string contentType) {
    ApiReply reply;
    reply.contentType = std::move(contentType);
    reply.body = std::move(bytes);
    return reply;
}

void store(const RouteCall& call, FirmDocument which, const std::string& bytes) {
    call.server.storage.setFirmDocument(call.caller->firmId, which, bytes, call.caller->name,
                                        call.server.clock());
    call.server.notifier.notify();
}

} // namespace

ApiReply getFirm(const RouteCall& call) {
    const auto details =
        call.server.storage.firmDocument(call.caller->firmId, FirmDocument::details);
    return bytesReply(details ? *details : FirmFile::serialize({}), "application/json");
}

// The details as the firm file holds them, read and written back by the
// calculator's own reader. The logo travels apart (PUT /firm/logo): a path
// in the text would name a file on someone's disk.
ApiReply putFirm(const RouteCall& call) {
    if (call.request.body.size() > FirmFile::kMaxBytes)
        return errorReply(413, "данные фирмы больше 1 МиБ");
    FirmDetails details = FirmFile::parse(call.request.body, {});
    details.logo.clear();
    store(call, FirmDocument::details, FirmFile::serialize(details));
    return jsonReply(Json::object());
}

ApiReply getLogo(const RouteCall& call) {
    const auto logo = call.server.storage.firmDocument(call.caller->firmId, FirmDocument::logo);
    // An empty one is a logo taken away (DELETE): never a picture.
    if (!logo || logo->empty())
        return notFound();
    const bool png = logo->starts_with("\x89PNG");
    return bytesReply(*logo, png ? "image/png" : "image/jpeg");
}

ApiReply putLogo(const RouteCall& call) {
    if (const auto fault = logoFault(call.request.body))
        return errorReply(422, *fault);
    store(call, FirmDocument::logo, call.request.body);
    return jsonReply(Json::object());
}

// The firm's papers go without a logo from now on; kept as an empty
// document, so that the change reaches the firm's devices as any other.
ApiReply deleteLogo(const RouteCall& call) {
    store(call, FirmDocument::logo, {});
    return jsonReply(Json::object());
}

ApiReply getPrices(const RouteCall& call) {
    const auto prices = call.server.storage.firmDocument(call.caller->firmId, FirmDocument::prices);
    return bytesReply(prices ? *prices : priceListText({}), "text/csv; charset=utf-8");
}

// A price list spreadsheet (CSV) as the window imports one; kept as the
// program writes it.
ApiReply putPrices(const RouteCall& call) {
    const PriceList list = importPriceList(call.request.body);
    if (!list.errors.empty()) {
        const CsvCellError& first = list.errors.front();
        return errorReply(422, "строка " + std::to_string(first.row) + ", «" + first.column +
                                   "»: " + first.message);
    }
    store(call, FirmDocument::prices, priceListText(list.articles));
    return jsonReply({{"articles", list.articles.size()}});
}

} // namespace kavro::server
