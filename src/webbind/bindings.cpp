// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Calculator as the page's JavaScript sees it.
#include "calculator.h"

#include <emscripten/bind.h>

EMSCRIPTEN_BINDINGS(kavro_core) {
    using kavro::Calculator;
    emscripten::class_<Calculator>("Calculator")
        .constructor<>()
        .function("start", &Calculator::start)
        .function("type", &Calculator::type)
        .function("backspace", &Calculator::backspace)
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
        .function("dump", &Calculator::dump);
}
