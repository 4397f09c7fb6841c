// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/input/user_input.h"
#include "core/platform/recording_services.h"
#include "core/platform/recording_word_processor.h"
#include "core/tform1.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace kavro::testing {

// A fresh window, started, for one row of a table; its report button types
// into a recording word processor.
struct StartedWindow {
    StartedWindow() { EXPECT_EQ(input.start().kind, ActionResult::Kind::Done); }
    Services services() {
        Services s = recorders.services("kavro");
        s.wordProcessor = &word;
        return s;
    }
    RecordingServices recorders;
    RecordingWordProcessorLauncher word;
    TForm1 form{services()};
    UserInput input{form};
};

// A fresh window with recording services, driven through the user's actions.
class FormTest : public ::testing::Test {
protected:
    RecordingServices recorders;
    TForm1 form{recorders.services("kavro")};
    UserInput input{form};

    void startUp() { ASSERT_EQ(input.start().kind, ActionResult::Kind::Done); }

    // The names of the handlers and routines that `action` runs, in order.
    template <class Action> std::vector<std::string> traceOf(Action&& action) {
        std::vector<std::string_view> names;
        form.setTrace(&names);
        action();
        form.setTrace(nullptr);
        return {names.begin(), names.end()};
    }

    // Column `column` of the grid's rows below the header.
    static std::vector<std::string> column(const TextGrid& grid, int column) {
        std::vector<std::string> cells;
        for (int row = 1; row < grid.rowCount(); ++row)
            cells.push_back(grid.cell(column, row));
        return cells;
    }

    // Runs a user action that must be carried out.
    static void ok(const ActionResult& result) {
        ASSERT_EQ(result.kind, ActionResult::Kind::Done) << result.text;
    }
};

} // namespace kavro::testing
