// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../input/user_input.h"
#include "../tform1.h"
#include "opening.h"
#include "opening_results.h"

namespace kavro {

// Computes openings with the calculator's own logic: the inputs are applied
// to a window as the user's actions (picks, pastes, clicks), and the results
// are read off the window afterwards. There is no formula here.
class OpeningCalculator {
public:
    // The results of one opening, worked on a fresh, started window.
    static OpeningResults compute(const Opening& opening);

    // Applies an opening's inputs and drive to a started window through
    // `input`, whatever the window held before; returns the problems met
    // (a choice that does not exist, a refused or failed action, a drive
    // not offered, a text the window shows otherwise).
    //
    // Whatever the window held before, an opening whose inputs the window
    // computes without an error leaves the same screen as on a fresh window:
    // the drive list's tab shown, the chosen drive's row current (pressed
    // only when it is not, as a press copies the cell to the clipboard), the
    // focus on the list. A choice that does not exist takes the window's
    // first. Errors that the previous texts cause on the way show in the
    // window's message box like any other; only an error of the opening's
    // own texts is its problem, and then the results are those the window
    // had before that error, as after a user's failed action.
    static std::vector<std::string> apply(TForm1& form, UserInput& input, const Opening& opening);

    // The inputs the window holds now.
    static OpeningInputs capture(const TForm1& form);

    // The results the window shows now for `opening` (its drive and
    // accessory quantities checked against the window's lists).
    static OpeningResults read(const TForm1& form, const Opening& opening);
};

} // namespace kavro
