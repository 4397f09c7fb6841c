// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "script_runner.h"

#include "core/report/output_kind.h"
#include "core/text/utf8.h"
#include "state_dump.h"

#include <charconv>
#include <optional>

namespace kavro {

namespace {

using Json = nlohmann::ordered_json;

// A decimal integer, "-1" allowed; nothing else.
std::optional<std::int64_t> parseInteger(std::string_view text) {
    std::int64_t value = 0;
    if (text.empty() || text.front() == '+')
        return std::nullopt;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\v\f\r\n") == std::string_view::npos;
}

} // namespace

ScriptRunner::ScriptRunner(std::ostream& out, std::optional<FirmDetails> firm)
    : out_(out), firm_(std::move(firm)), form_(services()), input_(form_) {
    form_.setTrace(&trace_);
}

Services ScriptRunner::services() {
    Services services = recorders_.services("kavro-script");
    services.wordProcessor = &reportFormats_;
    services.firm = firm_ ? &*firm_ : nullptr;
    return services;
}

ScriptRunner::Line ScriptRunner::split(const std::string& text) {
    Line line;
    const std::size_t first = text.find(' ');
    line.action = text.substr(0, first);
    if (first == std::string::npos)
        return line;
    line.hasField = true;
    const std::size_t second = text.find(' ', first + 1);
    line.field = text.substr(first + 1, second == std::string::npos ? second : second - first - 1);
    if (second != std::string::npos) {
        line.hasArgument = true;
        line.argument = text.substr(second + 1);
    }
    return line;
}

void ScriptRunner::print(const Json& object) {
    out_ << object.dump() << '\n';
}

std::optional<ActionResult> ScriptRunner::runLine(std::string_view raw) {
    if (!raw.empty() && raw.back() == '\r')
        raw.remove_suffix(1);
    if (isBlank(raw) || raw.front() == '#')
        return std::nullopt;
    const std::string text = utf8::sanitize(raw);
    const Line line = split(text);
    if (line.action == "trace" && line.hasField && !line.hasArgument &&
        (line.field == "on" || line.field == "off")) {
        tracing_ = line.field == "on";
        return std::nullopt;
    }

    trace_.clear();
    const ActionResult result = perform(line);
    if (result.kind == ActionResult::Kind::Refused)
        print(Json{{"refused", result.text}});
    else if (result.kind == ActionResult::Kind::Failed)
        print(Json{{"error", result.text}});
    if (tracing_) {
        Json names = Json::array();
        for (std::string_view name : trace_)
            names.push_back(std::string(name));
        print(Json{{"trace", names}});
    }
    return result;
}

ActionResult ScriptRunner::perform(const Line& line) {
    const std::string& action = line.action;
    if (action == "start" || action == "dump") {
        if (line.hasField)
            return ActionResult::refused(action + " takes no argument");
        if (action == "start")
            return input_.start();
        print(dumpState(form_, recorders_.clipboard.text));
        return ActionResult::done();
    }
    if (action == "trace")
        return ActionResult::refused("trace takes on or off");
    if (action == "tab") {
        const auto index = parseInteger(line.field);
        if (!line.hasField || line.hasArgument || !index)
            return ActionResult::refused("tab takes a tab index");
        return input_.switchTab(*index);
    }
    if (reportActionKind(action))
        return writeReport(line);
    if (!line.hasField)
        return ActionResult::refused(action.empty() ? "no action" : action + " needs a control");
    return withField(line);
}

ActionResult ScriptRunner::writeReport(const Line& line) {
    // The path is all of the line after the action, spaces included.
    const std::string path = line.hasArgument ? line.field + " " + line.argument : line.field;
    if (path.empty())
        return ActionResult::refused(line.action + " takes a file path");
    const bool chosen = *reportActionKind(line.action) == OutputKind::Docx
                            ? reportFormats_.chooseDocx(path)
                            : reportFormats_.choosePdf(path);
    if (!chosen)
        return ActionResult::refused(line.action + " is not available in this build");
    return input_.clickButton(Field::Button1);
}

ActionResult ScriptRunner::withField(const Line& line) {
    const std::string& action = line.action;
    const auto field = fieldByName(line.field);
    if (!field)
        return ActionResult::refused("no control named " + line.field);
    const std::string& arg = line.argument;
    auto integerArgument = [&](auto&& act) {
        const auto value = parseInteger(arg);
        if (!value)
            return ActionResult::refused(action + " takes a whole number");
        return act(*value);
    };
    auto noArgument = [&](auto&& act) {
        if (line.hasArgument)
            return ActionResult::refused(action + " takes no argument");
        return act();
    };

    if (action == "type")
        return input_.type(*field, arg);
    if (action == "paste")
        return input_.paste(*field, arg);
    if (action == "replace")
        return input_.replace(*field, arg);
    if (action == "backspace") {
        if (!line.hasArgument)
            return input_.backspace(*field, 1);
        return integerArgument([&](std::int64_t n) { return input_.backspace(*field, n); });
    }
    if (action == "caret")
        return integerArgument([&](std::int64_t p) { return input_.placeCaret(*field, p); });
    if (action == "selectall")
        return noArgument([&] { return input_.selectAll(*field); });
    if (action == "focus")
        return noArgument([&] { return input_.focus(*field); });
    if (action == "pick")
        return integerArgument([&](std::int64_t i) { return input_.pick(*field, i); });
    if (action == "click")
        return integerArgument([&](std::int64_t i) { return input_.click(*field, i); });
    if (action == "check")
        return noArgument([&] { return input_.check(*field); });
    if (action == "link") {
        return noArgument([&] {
            recorders_.urlOpener.opened.clear();
            ActionResult result = input_.clickLink(*field);
            for (const std::string& url : recorders_.urlOpener.opened)
                print(Json{{"open", url}});
            return result;
        });
    }
    if (action == "cell") {
        const std::size_t space = arg.find(' ');
        const auto column = parseInteger(arg.substr(0, space));
        const auto row =
            space == std::string::npos ? std::nullopt : parseInteger(arg.substr(space + 1));
        if (!column || !row)
            return ActionResult::refused("cell takes a column and a row");
        return input_.pressCell(*field, *column, *row);
    }
    return ActionResult::refused("unknown action " + action);
}

} // namespace kavro
