// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/form/opening_inputs.h"
#include "core/state/window_state.h"
#include "form_fixture.h"

#include <gtest/gtest.h>
#include <vector>

namespace kavro {
namespace {

// A window state whose handlers only count their runs.
class WindowStateRules : public ::testing::Test {
protected:
    WindowState state;
    int runs = 0;
    std::vector<Field> changed;

    void SetUp() override {
        state.setChangeListener([this](Field f) { changed.push_back(f); });
    }
};

TEST_F(WindowStateRules, WritingADifferentTextRunsTheHandlerBeforeTheWriteReturns) {
    std::string seenInHandler;
    state.Visota.onChange = [&] {
        ++runs;
        seenInHandler = state.Visota.text();
    };
    state.Visota.setText("2000"); // the text it already holds
    EXPECT_EQ(runs, 0);
    state.Visota.setText("2001");
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(seenInHandler, "2001");
    EXPECT_EQ(changed, std::vector<Field>{Field::Visota});
}

TEST_F(WindowStateRules, ChoicesAndFlagsRunTheClickHandlerOnlyWhenTheyChange) {
    state.Montazh.onClick = [&] { ++runs; };
    state.NHK.onClick = [&] { ++runs; };
    state.Montazh.setItemIndex(0); // from none
    state.Montazh.setItemIndex(0);
    state.NHK.setChecked(false); // already clear
    state.NHK.setChecked(true);
    EXPECT_EQ(runs, 2);
}

TEST_F(WindowStateRules, DropDownWritesFromCodeRunNoHandlerButEveryUserPickDoes) {
    state.Diametr.onChange = [&] { ++runs; };
    state.Diametr.setItemIndex(3);
    state.Diametr.setText("55");
    state.Diametr.clearItems();
    state.Diametr.addItem("40");
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(state.Diametr.text(), "55");
    state.Profil.onChange = [&] { ++runs; };
    state.Profil.userPick(2);
    state.Profil.userPick(2);
    EXPECT_EQ(runs, 2);
}

// The window the user starts with and a new opening are the same inputs.
TEST(OpeningInputsTable, AStartedWindowHoldsTheInputsANewOpeningStartsWith) {
    testing::StartedWindow window;
    EXPECT_EQ(capturedInputs(window.form), OpeningInputs{});
}

} // namespace
} // namespace kavro
