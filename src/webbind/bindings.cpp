// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Calculator and the OrderCalculator as the page's JavaScript sees them.
#include "calculator.h"
#include "order_calculator.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace {

using emscripten::val;

// A file for the page: {result: "done", bytes: Uint8Array} or {result:
// "failed", error}. The bytes are copied out of the module's memory, which
// the next call may move.
val fileAnswer(const kavro::FileAnswer& file) {
    val answer = val::object();
    if (!file.error.empty()) {
        answer.set("result", val("failed"));
        answer.set("error", val(file.error));
        return answer;
    }
    const val view(emscripten::typed_memory_view(
        file.bytes.size(), reinterpret_cast<const unsigned char*>(file.bytes.data())));
    answer.set("result", val("done"));
    answer.set("bytes", view.call<val>("slice"));
    return answer;
}

val saveOrder(const kavro::OrderCalculator& calculator) {
    return fileAnswer(calculator.saveOrder());
}

val exportOpenings(const kavro::OrderCalculator& calculator) {
    return fileAnswer(calculator.exportOpenings());
}

val exportPartsList(const kavro::OrderCalculator& calculator) {
    return fileAnswer(calculator.exportPartsList());
}

// The page's listener of changes made elsewhere gets each answer as text.
void listen(kavro::OrderCalculator& calculator, val listener) {
    calculator.setNewsListener([listener](const std::string& answer) { listener(val(answer)); });
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
        .function("control", &Calculator::control)
        .function("dump", &Calculator::dump)
        .function("formLayout", &Calculator::formLayout);
    emscripten::class_<OrderCalculator, emscripten::base<Calculator>>("OrderCalculator")
        .constructor<>()
        .function("start", &OrderCalculator::start)
        .function("orderState", &OrderCalculator::orderState)
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
        .function("orderReport", &OrderCalculator::orderReport);
}
