// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculator.h"

#include "form_layout.h"
#include "htmlreport/html_word_processor.h"
#include "state_dump.h"

#include <algorithm>
#include <cmath>

namespace kavro {

namespace {

Services calculatorServices(RecordingServices& recorders, ActionClipboard& clipboard,
                            TypedReportLauncher& reports) {
    Services services = recorders.services("kavro");
    return Services{.clipboard = clipboard,
                    .messageBox = services.messageBox,
                    .urlOpener = services.urlOpener,
                    .programName = services.programName,
                    .wordProcessor = &reports};
}

bool showsCaret(Field field) {
    return field == Field::Diametr || fieldKind(field) == FieldKind::EditField;
}

} // namespace

std::string printablePage(std::string_view typing) {
    std::string page;
    HtmlWordProcessor word([&](std::string html) { page = std::move(html); });
    retypeReport(typing, word);
    return page;
}

std::optional<std::int64_t> wholeNumber(double value) {
    // Beyond 2^53 a double no longer holds every whole number.
    if (!std::isfinite(value) || value != std::trunc(value) ||
        std::fabs(value) > 9007199254740992.0)
        return std::nullopt;
    return static_cast<std::int64_t>(value);
}

Calculator::Calculator()
    : form_(calculatorServices(recorders_, clipboard_, reports_)), input_(form_) {
    form_.services().firm = &firm_.details();
    form_.setChangeListener([this](Field field) {
        if (std::find(changed_.begin(), changed_.end(), field) == changed_.end())
            changed_.push_back(field);
    });
}

std::string Calculator::act(const std::function<ActionResult()>& action,
                            std::optional<Field> field) {
    changed_.clear();
    clipboard_.put = false;
    recorders_.urlOpener.opened.clear();
    reports_.typing.reset();
    const ActionResult result = action();
    acted(field);
    Json j = answer(result);
    describe(j);
    return j.dump();
}

template <class Action>
std::string Calculator::withField(const std::string& name, Action&& action) {
    const auto field = fieldByName(name);
    return act(
        [&] {
            if (!field)
                return ActionResult::refused("no control named " + name);
            return action(*field);
        },
        field);
}

Calculator::Json Calculator::answer(const ActionResult& result) const {
    Json j;
    switch (result.kind) {
    case ActionResult::Kind::Done:
        j["result"] = "done";
        break;
    case ActionResult::Kind::Refused:
        j["result"] = "refused";
        j["refused"] = result.text;
        break;
    case ActionResult::Kind::Failed:
        j["result"] = "failed";
        j["error"] = result.text;
        break;
    }
    Json names = Json::array();
    for (Field field : changed_)
        names.push_back(std::string(fieldName(field)));
    j["changed"] = names;
    j["focus"] = std::string(fieldName(form_.focus()));
    if (clipboard_.put)
        j["clipboard"] = clipboard_.text;
    if (!recorders_.urlOpener.opened.empty())
        j["open"] = recorders_.urlOpener.opened.front();
    if (reports_.typing)
        j["report"] = printablePage(*reports_.typing);
    return j;
}

namespace {

// The refusal of a number that is not a whole one, as the driver words it.
ActionResult notWhole(const std::string& action) {
    return ActionResult::refused(action + " takes a whole number");
}

} // namespace

std::string Calculator::start() {
    return act([&] { return input_.start(); });
}

std::string Calculator::type(const std::string& field, const std::string& text) {
    return withField(field, [&](Field f) { return input_.type(f, text); });
}

std::string Calculator::backspace(const std::string& field, double presses) {
    return withField(field, [&](Field f) {
        const auto n = wholeNumber(presses);
        return n ? input_.backspace(f, *n) : notWhole("backspace");
    });
}

std::string Calculator::deleteForward(const std::string& field) {
    return withField(field, [&](Field f) { return input_.deleteForward(f); });
}

std::string Calculator::typeDecimalSeparator(const std::string& field) {
    return withField(field, [&](Field f) { return input_.typeDecimalSeparator(f); });
}

std::string Calculator::focusNext(const std::string& field) {
    return withField(field, [&](Field f) { return input_.focusNext(f); });
}

std::string Calculator::caret(const std::string& field, double position) {
    return withField(field, [&](Field f) {
        const auto p = wholeNumber(position);
        return p ? input_.placeCaret(f, *p) : notWhole("caret");
    });
}

std::string Calculator::select(const std::string& field, double start, double length) {
    return withField(field, [&](Field f) {
        const auto s = wholeNumber(start);
        const auto n = wholeNumber(length);
        return s && n ? input_.select(f, *s, *n) : notWhole("select");
    });
}

std::string Calculator::selectAll(const std::string& field) {
    return withField(field, [&](Field f) { return input_.selectAll(f); });
}

std::string Calculator::paste(const std::string& field, const std::string& text) {
    return withField(field, [&](Field f) { return input_.paste(f, text); });
}

std::string Calculator::replace(const std::string& field, const std::string& text) {
    return withField(field, [&](Field f) { return input_.replace(f, text); });
}

std::string Calculator::focus(const std::string& field) {
    return withField(field, [&](Field f) { return input_.focus(f); });
}

std::string Calculator::pick(const std::string& field, double index) {
    return withField(field, [&](Field f) {
        const auto i = wholeNumber(index);
        return i ? input_.pick(f, *i) : notWhole("pick");
    });
}

std::string Calculator::click(const std::string& field, double index) {
    return withField(field, [&](Field f) {
        const auto i = wholeNumber(index);
        return i ? input_.click(f, *i) : notWhole("click");
    });
}

std::string Calculator::check(const std::string& field) {
    return withField(field, [&](Field f) { return input_.check(f); });
}

std::string Calculator::cell(const std::string& field, double column, double row) {
    return withField(field, [&](Field f) {
        const auto c = wholeNumber(column);
        const auto r = wholeNumber(row);
        return c && r ? input_.pressCell(f, *c, *r)
                      : ActionResult::refused("cell takes a column and a row");
    });
}

std::string Calculator::tab(double index) {
    return act(
        [&] {
            const auto i = wholeNumber(index);
            return i ? input_.switchTab(*i) : ActionResult::refused("tab takes a tab index");
        },
        Field::TabControl1);
}

std::string Calculator::link(const std::string& field) {
    return withField(field, [&](Field f) { return input_.clickLink(f); });
}

std::string Calculator::report() {
    return act([&] { return input_.clickButton(Field::Button1); }, Field::Button1);
}

std::string Calculator::reportTyping() const {
    return reports_.typing.value_or("");
}

std::string Calculator::control(const std::string& name) const {
    const auto field = fieldByName(name);
    if (!field)
        return "null";
    Json j = dumpControl(form_, *field);
    if (showsCaret(*field)) {
        const auto& text = *field == Field::Diametr
                               ? static_cast<const EditableText&>(form_.Diametr)
                               : static_cast<const EditableText&>(
                                     static_cast<const EditField&>(form_.control(*field)));
        j["caret"] = text.caret();
        j["selection"] = {text.selectionStart(), text.selectionLength()};
    }
    return j.dump();
}

std::string Calculator::formLayout() const {
    return kavro::formLayout(form_).dump();
}

std::string Calculator::dump() const {
    return dumpState(form_, clipboard_.text).dump();
}

} // namespace kavro
