// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/input/user_input.h"
#include "core/platform/recording_services.h"
#include "core/tform1.h"
#include "page_firm.h"
#include "typed_report.h"

#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// The clipboard of one action: the page copies the text to the browser's
// clipboard only when the action put some there.
class ActionClipboard : public Clipboard {
public:
    void setText(const std::string& value) override {
        text = value;
        put = true;
    }
    std::string text;
    bool put = false;
};

// One calculator window for the page: the user's actions in, JSON strings
// out. It only forwards to UserInput and reports what the state said.
class Calculator {
public:
    Calculator();
    virtual ~Calculator() = default;
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    std::string start();
    std::string type(const std::string& field, const std::string& text);
    std::string backspace(const std::string& field, double presses);
    std::string deleteForward(const std::string& field);
    std::string typeDecimalSeparator(const std::string& field);
    std::string focusNext(const std::string& field);
    std::string caret(const std::string& field, double position);
    std::string select(const std::string& field, double start, double length);
    std::string selectAll(const std::string& field);
    std::string paste(const std::string& field, const std::string& text);
    std::string replace(const std::string& field, const std::string& text);
    std::string focus(const std::string& field);
    std::string pick(const std::string& field, double index);
    std::string click(const std::string& field, double index);
    std::string check(const std::string& field);
    std::string cell(const std::string& field, double column, double row);
    std::string tab(double index);
    std::string link(const std::string& field);
    std::string report();
    // How the last action typed its report, for the module that writes it
    // as a Word document; empty when the last action typed none.
    std::string reportTyping() const;

    std::string control(const std::string& field) const;
    std::string dump() const;
    // The firm whose letterhead heads every paper of the page.
    PageFirm& firm() { return firm_; }
    const PageFirm& firm() const { return firm_; }
    std::string formLayout() const;

protected:
    using Json = nlohmann::ordered_json;
    // Runs one action and describes how it went, what changed and what the
    // platform was asked to do; `field` is the control acted on.
    std::string act(const std::function<ActionResult()>& action,
                    std::optional<Field> field = std::nullopt);
    // After every action, before the answer is made: a form with more
    // behind it follows the action.
    virtual void acted(std::optional<Field> /*field*/) {}
    // What it adds to the answer.
    virtual void describe(Json& /*answer*/) {}

    TForm1& form() { return form_; }
    const TForm1& form() const { return form_; }
    UserInput& input() { return input_; }
    ActionClipboard& clipboard() { return clipboard_; }

private:
    // The field named, or the driver's refusal.
    template <class Action> std::string withField(const std::string& name, Action&& action);
    Json answer(const ActionResult& result) const;

    RecordingServices recorders_;
    PageFirm firm_;
    ActionClipboard clipboard_;
    TypedReportLauncher reports_;
    TForm1 form_;
    UserInput input_;
    std::vector<Field> changed_;
};

// The report typed as `typing` as the page prints it (HTML).
std::string printablePage(std::string_view typing);

// A number from the page as the whole number an action takes; none for a
// fraction, NaN or a value beyond any index.
std::optional<std::int64_t> wholeNumber(double value);

} // namespace kavro
