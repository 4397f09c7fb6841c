// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/firm/firm_details.h"
#include "core/input/user_input.h"
#include "core/platform/recording_services.h"
#include "core/tform1.h"
#include "report_formats.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// Runs driver lines against a fresh window and writes what they show, one
// JSON object per line.
class ScriptRunner {
public:
    // With `firm` the reports are headed by its letterhead.
    explicit ScriptRunner(std::ostream& out, std::optional<FirmDetails> firm = std::nullopt);

    // Runs one line; returns how its action ended, nothing for a skipped
    // line or a trace switch.
    std::optional<ActionResult> runLine(std::string_view line);

    const TForm1& form() const { return form_; }
    // The handlers and routines that the last action ran.
    const std::vector<std::string_view>& lastTrace() const { return trace_; }

private:
    struct Line {
        std::string action;
        std::string field;
        std::string argument;
        bool hasField = false;
        bool hasArgument = false;
    };
    static Line split(const std::string& text);

    // Carries out one action line; prints what it prints.
    ActionResult perform(const Line& line);
    ActionResult withField(const Line& line);
    void print(const nlohmann::ordered_json& object);
    // The recording services, with the report written as reportFormats_ says.
    Services services();
    // `report PATH` and `pdf PATH`: the button, its report written to PATH.
    ActionResult writeReport(const Line& line);

    std::ostream& out_;
    // Before the window, which holds a pointer to it.
    std::optional<FirmDetails> firm_;
    RecordingServices recorders_;
    ReportFormats reportFormats_;
    TForm1 form_;
    UserInput input_;
    bool tracing_ = false;
    std::vector<std::string_view> trace_;
};

} // namespace kavro
