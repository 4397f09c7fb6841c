// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Calculator and the OrderCalculator as the page's JavaScript sees them.
#include "calculator.h"
#include "file_answer_js.h"
#include "order_calculator.h"
#include "order_sync.h"
#include "orderio/openings_import.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace {

using emscripten::val;

val saveOrder(const kavro::OrderCalculator& calculator) {
    return kavro::fileAnswerValue(calculator.saveOrder());
}

val exportOpenings(const kavro::OrderCalculator& calculator) {
    return kavro::fileAnswerValue(calculator.exportOpenings());
}

val exportPartsList(const kavro::OrderCalculator& calculator) {
    return kavro::fileAnswerValue(calculator.exportPartsList());
}

val quotationCsv(const kavro::OrderCalculator& calculator) {
    return kavro::fileAnswerValue(calculator.quotationCsv());
}

// Whether the page hands the file to the papers' module to read.
bool isWorkbook(const kavro::OrderCalculator&, const std::string& bytes) {
    return kavro::looksLikeWorkbook(bytes);
}

// The page's listener of changes made elsewhere gets each answer as text.
void listen(kavro::OrderCalculator& calculator, val listener) {
    calculator.setNewsListener([listener](const std::string& answer) { listener(val(answer)); });
}

std::string setFirm(kavro::Calculator& calculator, const std::string& entry,
                    const std::string& logo) {
    return calculator.firm().enter(entry, logo);
}

std::string loadFirm(kavro::Calculator& calculator, const std::string& name,
                     const std::string& json, const std::string& logo) {
    return calculator.firm().load(name, json, logo);
}

std::string firmEntry(const kavro::Calculator& calculator) {
    return calculator.firm().entry();
}

} // namespace

EMSCRIPTEN_BINDINGS(kavro_core) {
    using kavro::Calculator;
    using kavro::OrderCalculator;
    emscripten::class_<Calculator>("Calculator")
        .constructor<>()
        .function("start", &Calculator::start)
        .function("type", &Calculator::type)
        .function("backspace", &Calculator::backspace)
        .function("deleteForward", &Calculator::deleteForward)
        .function("typeDecimalSeparator", &Calculator::typeDecimalSeparator)
        .function("focusNext", &Calculator::focusNext)
        .function("caret", &Calculator::caret)
        .function("select", &Calculator::select)
        .function("selectAll", &Calculator::selectAll)
        .function("paste", &Calculator::paste)
        .function("replace", &Calculator::replace)
        .function("focus", &Calculator::focus)
        .function("pick", &Calculator::pick)
        .function("click", &Calculator::click)
        .function("check", &Calculator::check)
        .function("cell", &Calculator::cell)
        .function("tab", &Calculator::tab)
        .function("link", &Calculator::link)
        .function("report", &Calculator::report)
        .function("reportTyping", &Calculator::reportTyping)
        .function("control", &Calculator::control)
        .function("dump", &Calculator::dump)
        .function("formLayout", &Calculator::formLayout)
        .function("setFirm", &setFirm)
        .function("loadFirm", &loadFirm)
        .function("firmEntry", &firmEntry)
        .class_function("logoFault", &kavro::PageFirm::logoFault);
    emscripten::class_<OrderCalculator, emscripten::base<Calculator>>("OrderCalculator")
        .constructor<>()
        .function("start", &OrderCalculator::start)
        .function("orderState", &OrderCalculator::orderState)
        .function("revision", &OrderCalculator::revision)
        .function("columns", &OrderCalculator::columns)
        .function("rows", &OrderCalculator::rows)
        .function("choose", &OrderCalculator::choose)
        .function("add", &OrderCalculator::add)
        .function("copy", &OrderCalculator::copy)
        .function("remove", &OrderCalculator::remove)
        .function("move", &OrderCalculator::move)
        .function("moveUp", &OrderCalculator::moveUp)
        .function("moveDown", &OrderCalculator::moveDown)
        .function("setLocation", &OrderCalculator::setLocation)
        .function("setCount", &OrderCalculator::setCount)
        .function("setTitle", &OrderCalculator::setTitle)
        .function("setQuantity", &OrderCalculator::setQuantity)
        .function("replaceOpening", &OrderCalculator::replaceOpening)
        .function("listen", &listen)
        .function("newOrder", &OrderCalculator::newOrder)
        .function("openOrder", &OrderCalculator::openOrder)
        .function("importOpenings", &OrderCalculator::importOpenings)
        .function("markSaved", &OrderCalculator::markSaved)
        .function("saveOrder", &saveOrder)
        .function("exportOpenings", &exportOpenings)
        .function("exportPartsList", &exportPartsList)
        .function("partsList", &OrderCalculator::partsList)
        .function("orderReport", &OrderCalculator::orderReport)
        .function("setPrices", &OrderCalculator::setPrices)
        .function("setDiscount", &OrderCalculator::setDiscount)
        .function("setInstallationPrice", &OrderCalculator::setInstallationPrice)
        .function("quotation", &OrderCalculator::quotation)
        .function("quotationCsv", &quotationCsv)
        .function("appendOpenings", &OrderCalculator::appendOpenings)
        .function("openingsSheet", &OrderCalculator::openingsSheet)
        .function("partsListSheet", &OrderCalculator::partsListSheet)
        .function("isWorkbook", &isWorkbook);
    emscripten::class_<kavro::OrderSync>("OrderSync")
        .constructor<OrderCalculator&>()
        .function("open", &kavro::OrderSync::open)
        .function("next", &kavro::OrderSync::next)
        .function("answered", &kavro::OrderSync::answered)
        .function("pull", &kavro::OrderSync::pull)
        .function("arrived", &kavro::OrderSync::arrived)
        .function("conflictsListed", &kavro::OrderSync::conflictsListed)
        .function("kept", &kavro::OrderSync::kept)
        .function("counts", &kavro::OrderSync::counts)
        .function("refused", &kavro::OrderSync::refused)
        .function("conflicts", &kavro::OrderSync::conflicts)
        .function("dismiss", &kavro::OrderSync::dismiss)
        .function("resend", &kavro::OrderSync::resend)
        .function("localOrder", &kavro::OrderSync::localOrder);
}
