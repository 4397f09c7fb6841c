// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_calculator.h"

#include "core/order/opening_calculator.h"
#include "core/order/opening_rows.h"
#include "core/order/parts_list.h"
#include "core/quote/price_entry.h"
#include "core/report/order_report.h"
#include "core/report/report_date.h"
#include "orderio/file_messages.h"
#include "orderio/openings_export.h"
#include "orderio/openings_import.h"
#include "orderio/order_file.h"
#include "sheet_table_json.h"

#include <algorithm>
#include <utility>

namespace kavro {

namespace {

using Json = nlohmann::ordered_json;

Json rowJson(const OrderDocument& document, std::size_t index) {
    const OpeningRow row = openingRow(document, index);
    return {{"index", index},           {"number", row.number},
            {"location", row.location}, {"count", row.count},
            {"size", row.size},         {"drive", row.drive},
            {"torque", row.torque},     {"id", document.openingId(index)}};
}

// An index from the page, if it is one of the order's openings.
std::optional<std::size_t> openingIndex(const OrderDocument& document, double value) {
    const auto whole = wholeNumber(value);
    if (!whole || *whole < 0 || static_cast<std::uint64_t>(*whole) >= document.size())
        return std::nullopt;
    return static_cast<std::size_t>(*whole);
}

const char kNoSuchOpening[] = "Такого проёма в заказе нет.";

// What a browser cannot read: workbooks need the zip reader, which the page
// is built without.
const char kNoWorkbooks[] =
    "книги Excel (.xlsx) в браузере не читаются: сохраните таблицу как CSV (UTF-8)";

} // namespace

OrderCalculator::OrderCalculator()
    : document_(&OpeningCalculator::compute),
      session_(document_, form(), [this](const Opening& opening) {
          // Putting the opening into the form is not the user's action: a
          // press on the drive list it makes leaves the clipboard as it was.
          const std::string text = clipboard().text;
          const bool put = clipboard().put;
          std::vector<std::string> problems = OpeningCalculator::apply(form(), input(), opening);
          clipboard().text = text;
          clipboard().put = put;
          return problems;
      }) {
    document_.subscribe(*this);
    session_.setShownListener([this] { changedRows_.push_back(session_.current()); });
}

OrderCalculator::~OrderCalculator() {
    document_.unsubscribe(*this);
}

void OrderCalculator::orderChanged(const std::vector<OrderChange>& changes) {
    for (const OrderChange& change : changes) {
        if (change.reordersRows())
            reload_ = true;
        else if (change.kind == OrderChange::Kind::OpeningChanged)
            changedRows_.push_back(change.index);
    }
}

std::string OrderCalculator::start() {
    starting_ = true;
    return Calculator::start();
}

void OrderCalculator::acted(std::optional<Field> field) {
    if (std::exchange(starting_, false) && !session_.formShowsCurrent()) {
        session_.formStarted();
        reload_ = true;
    } else if (!orderAction_) {
        session_.formActed(field);
    }
}

void OrderCalculator::describe(Json& answer) {
    answer["order"] = orderChange(reload_);
    changedRows_.clear();
    reload_ = false;
}

Json OrderCalculator::orderChange(bool reload) const {
    Json rows = Json::array();
    if (!reload) {
        std::vector<std::size_t> indexes = changedRows_;
        std::sort(indexes.begin(), indexes.end());
        indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
        for (std::size_t index : indexes)
            rows.push_back(rowJson(document_, index));
    }
    const std::size_t current = session_.current();
    const Order& order = document_.order();
    const Opening& opening = document_.opening(current);
    Json accessories = Json::array();
    for (const OpeningAccessoryRow& row : openingAccessoryRows(document_, current))
        accessories.push_back({{"article", row.article},
                               {"name", row.name},
                               {"quantity", row.quantity},
                               {"offered", row.offered}});
    return {{"revision", document_.revision()},
            {"modified", document_.modified()},
            {"title", document_.order().title},
            {"size", document_.size()},
            {"current", current},
            {"reload", reload},
            {"rows", std::move(rows)},
            {"accessories", std::move(accessories)},
            {"problems", document_.results(current).problems},
            {"discount", order.discount ? percentText(*order.discount) : ""},
            {"installationPrice",
             opening.installationPrice ? moneyText(*opening.installationPrice) : ""},
            {"id", document_.id()}};
}

// The form then shows what the order holds, and the order takes nothing
// back from it: a text or choice of an opening that the form does not have
// stays the opening's, as in the desktop window.
template <class Action> std::string OrderCalculator::orderAct(Action&& action) {
    orderAction_ = true;
    std::string answer = act(std::forward<Action>(action));
    orderAction_ = false;
    return answer;
}

std::string OrderCalculator::orderState() {
    return orderAct([&] {
        reload_ = true;
        return ActionResult::done();
    });
}

std::string OrderCalculator::columns() const {
    Json names = Json::array();
    for (std::string_view caption : kOpeningColumnCaptions)
        names.push_back(std::string(caption));
    return Json{{"columns", std::move(names)}}.dump();
}

std::string OrderCalculator::rows(double first, double count) const {
    const auto from = wholeNumber(first);
    const auto n = wholeNumber(count);
    if (!from || !n || *from < 0 || *n < 0)
        return Json{{"result", "refused"}, {"refused", "rows takes a first row and a count"}}
            .dump();
    Json rows = Json::array();
    const auto size = static_cast<std::int64_t>(document_.size());
    for (std::int64_t i = *from; i < size && i - *from < *n; ++i)
        rows.push_back(rowJson(document_, static_cast<std::size_t>(i)));
    return Json{{"rows", std::move(rows)}}.dump();
}

std::string OrderCalculator::choose(double index) {
    return orderAct([&] {
        const auto i = openingIndex(document_, index);
        return i ? session_.switchTo(*i) : ActionResult::refused(kNoSuchOpening);
    });
}

std::string OrderCalculator::add() {
    return orderAct([&] { return session_.addOpening(); });
}

std::string OrderCalculator::copy() {
    return orderAct([&] { return session_.copyOpening(); });
}

std::string OrderCalculator::remove() {
    return orderAct([&] { return session_.removeOpening(); });
}

std::string OrderCalculator::move(double from, double to) {
    return orderAct([&] {
        const auto f = openingIndex(document_, from);
        const auto t = openingIndex(document_, to);
        return f && t ? session_.moveOpening(*f, *t) : ActionResult::refused(kNoSuchOpening);
    });
}

std::string OrderCalculator::moveUp() {
    return orderAct([&] {
        const std::size_t at = session_.current();
        return at > 0 ? session_.moveOpening(at, at - 1)
                      : ActionResult::refused("Проём уже первый в списке.");
    });
}

std::string OrderCalculator::moveDown() {
    return orderAct([&] {
        const std::size_t at = session_.current();
        return at + 1 < document_.size() ? session_.moveOpening(at, at + 1)
                                         : ActionResult::refused("Проём уже последний в списке.");
    });
}

std::string OrderCalculator::setLocation(double index, const std::string& text) {
    return orderAct([&] {
        const auto i = openingIndex(document_, index);
        return i ? session_.setLocation(*i, text) : ActionResult::refused(kNoSuchOpening);
    });
}

std::string OrderCalculator::setCount(double index, const std::string& text) {
    return orderAct([&] {
        const auto i = openingIndex(document_, index);
        return i ? session_.setCount(*i, text) : ActionResult::refused(kNoSuchOpening);
    });
}

std::string OrderCalculator::setTitle(const std::string& text) {
    return orderAct([&] { return session_.setTitle(text); });
}

std::string OrderCalculator::setQuantity(const std::string& article, const std::string& text) {
    return orderAct([&] { return session_.setAccessoryQuantity(article, std::string_view(text)); });
}

std::string OrderCalculator::newOrder() {
    return orderAct([&] {
        session_.replaceOrder({}, false);
        return ActionResult::done();
    });
}

std::string OrderCalculator::replaceOpening(const std::string& id, const std::string& bytes) {
    bool replaced = false;
    std::string answer = orderAct([&] {
        Order order;
        try {
            order = OrderFile::parse(bytes);
        } catch (const OrderFileError& error) {
            return ActionResult::failed(error.what());
        }
        if (order.openings.size() != 1)
            return ActionResult::failed("нужен файл заказа с одним проёмом");
        ActionResult result = session_.replaceOpening(id, std::move(order.openings.front()));
        replaced = result.kind == ActionResult::Kind::Done;
        return result;
    });
    if (replaced && news_)
        news_(answer);
    return answer;
}

std::string OrderCalculator::changeFromElsewhere(const std::function<void(OrderSession&)>& change) {
    const std::uint64_t before = document_.revision();
    std::string answer = orderAct([&] {
        change(session_);
        return ActionResult::done();
    });
    if (document_.revision() != before && news_)
        news_(answer);
    return answer;
}

void OrderCalculator::setNewsListener(std::function<void(const std::string&)> listener) {
    news_ = std::move(listener);
}

std::string OrderCalculator::openOrder(const std::string& name, const std::string& bytes,
                                       bool unsaved) {
    Json fault;
    std::string answer = orderAct([&] {
        if (bytes.size() > OrderFile::kMaxBytes) {
            const std::string reason = tooLargeMessage(OrderFile::kMaxBytes);
            fault = {{"line", 0}, {"column", 0}, {"reason", reason}};
            return ActionResult::failed(placedMessage(name, 0, 0, reason));
        }
        Order order;
        try {
            order = OrderFile::parse(bytes);
        } catch (const OrderFileError& error) {
            // Placed as kavro-order places it: at its line and column when
            // the fault has them.
            const std::string reason = error.line() > 0 ? error.reason() : error.what();
            fault = {{"line", error.line()}, {"column", error.column()}, {"reason", reason}};
            return ActionResult::failed(placedMessage(name, error.line(), error.column(), reason));
        }
        session_.replaceOrder(std::move(order), unsaved);
        return ActionResult::done();
    });
    if (fault.is_null())
        return answer;
    Json j = Json::parse(answer);
    j.update(fault);
    return j.dump();
}

std::string OrderCalculator::importOpenings(const std::string& name, const std::string& bytes) {
    return orderAct([&] {
        if (looksLikeWorkbook(bytes))
            return ActionResult::failed(placedMessage(name, 0, 0, kNoWorkbooks));
        OpeningsImport imported = kavro::importOpenings(bytes);
        if (!imported.errors.empty()) {
            std::string lines;
            for (const CsvCellError& error : imported.errors) {
                CsvCellError placeless = error;
                placeless.row = 0;
                lines += (lines.empty() ? "" : "\n") +
                         placedMessage(name, error.row, 0, kavro::describe(placeless));
            }
            return ActionResult::failed(lines);
        }
        const ActionResult appended = session_.appendOpenings(std::move(imported.openings));
        if (appended.kind != ActionResult::Kind::Done)
            return ActionResult::failed(appended.text);
        return appended;
    });
}

std::string OrderCalculator::appendOpenings(const std::string& bytes) {
    return orderAct([&] {
        Order order;
        try {
            order = OrderFile::parse(bytes);
        } catch (const OrderFileError& error) {
            return ActionResult::failed(error.what());
        }
        return session_.appendOpenings(std::move(order.openings));
    });
}

std::string OrderCalculator::markSaved() {
    return orderAct([&] {
        session_.markSaved();
        return ActionResult::done();
    });
}

FileAnswer OrderCalculator::saveOrder() const {
    try {
        return {OrderFile::serialize(document_.order()), {}};
    } catch (const OrderFileError& error) {
        return {{}, error.what()};
    }
}

FileAnswer OrderCalculator::exportOpenings() const {
    try {
        return {csvText(kavro::openingsSheet(document_.order(), document_.allResults())), {}};
    } catch (const CsvExportError& error) {
        return {{}, error.what()};
    }
}

FileAnswer OrderCalculator::exportPartsList() const {
    return {
        csvText(kavro::partsListSheet(makePartsList(document_.order(), document_.allResults()))),
        {}};
}

std::string OrderCalculator::partsList() const {
    const SheetTable table =
        kavro::partsListSheet(makePartsList(document_.order(), document_.allResults()));
    return Json{{"columns", table.names}, {"rows", table.rows}}.dump();
}

std::string OrderCalculator::openingsSheet() const {
    try {
        return Json{{"result", "done"},
                    {"sheet", sheetTableJson(
                                  kavro::openingsSheet(document_.order(), document_.allResults()))}}
            .dump();
    } catch (const CsvExportError& error) {
        return Json{{"result", "failed"}, {"error", error.what()}}.dump();
    }
}

std::string OrderCalculator::partsListSheet() const {
    const SheetTable table =
        kavro::partsListSheet(makePartsList(document_.order(), document_.allResults()));
    return Json{{"result", "done"}, {"sheet", sheetTableJson(table)}}.dump();
}

std::string OrderCalculator::orderReport(const std::string& date) const {
    TypedReportLauncher launcher;
    try {
        const std::unique_ptr<WordProcessor> word = launcher.launch();
        typeOrderReport(document_.order(), document_.allResults(),
                        date.empty() ? todaysReportDate() : date, *word, &firm().details());
    } catch (const std::exception& error) {
        return Json{{"result", "failed"}, {"error", error.what()}}.dump();
    }
    if (!launcher.typing)
        return Json{{"result", "failed"}, {"error", "no report"}}.dump();
    return Json{{"result", "done"},
                {"report", printablePage(*launcher.typing)},
                {"typing", *launcher.typing}}
        .dump();
}

std::string OrderCalculator::setPrices(const std::string& kept) {
    return quotation_.setPrices(kept);
}

std::string OrderCalculator::setDiscount(const std::string& text) {
    return orderAct([&] {
        auto entered = parseDiscountEntry(text);
        if (const auto* reason = std::get_if<std::string>(&entered))
            return ActionResult::failed(*reason);
        return session_.setDiscount(std::get<std::optional<Percent>>(entered));
    });
}

std::string OrderCalculator::setInstallationPrice(const std::string& text) {
    return orderAct([&] {
        auto entered = parseInstallationEntry(text);
        if (const auto* reason = std::get_if<std::string>(&entered))
            return ActionResult::failed(*reason);
        return session_.setInstallationPrice(std::get<std::optional<Money>>(entered));
    });
}

std::string OrderCalculator::quotation() const {
    return quotation_.quotation(document_.order(), document_.allResults(), firm().details());
}

FileAnswer OrderCalculator::quotationCsv() const {
    return quotation_.quotationCsv(document_.order(), document_.allResults(), firm().details());
}

} // namespace kavro
