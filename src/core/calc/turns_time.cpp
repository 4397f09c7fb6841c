// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "../calc_error.h"
#include "../text/number_text.h"
#include "../tform1.h"

#include <optional>

namespace kavro {

namespace {

// The constant of the turn count, deliberately not the full value of pi.
constexpr double kPi = 3.14159265;

// No real curtain needs more turns; beyond this the inputs cannot describe
// a shutter (a zero or negative thickness on a zero shaft never ends).
constexpr double kMaxTurns = 1'000'000;

} // namespace

// Winds the curtain turn by turn: each turn takes one circumference of the
// current diameter off the height and adds two profile thicknesses to the
// diameter. The turns are whole turns plus the filled part of the last one
// (to hundredths); the roll gains one more thickness when that part is over
// half. Any failure shows "0" in both fields.
TurnCount TForm1::countTurns() const {
    TurnCount count;
    try {
        double remaining = StrToFloat(Visota.text()) / 1000;
        double diameter = windingDiameter();
        double turns = 0;
        double circumference = 0;
        std::optional<double> thickness; // read when the first turn needs it
        while (remaining > 0) {
            if (turns >= kMaxTurns)
                throw CalcError("too many turns");
            circumference = kPi * diameter / 1000;
            turns = turns + 1;
            if (!thickness)
                thickness = StrToFloat(Tolwina.text());
            diameter = *thickness * 2 + diameter;
            remaining = remaining - circumference;
        }
        if (turns == 0) {
            // Nothing to wind: no turn, and the roll is the bare winding diameter.
            count.turns = "0";
            count.maxDiameter = FloatToStr(windingDiameter());
            return count;
        }
        turns = turns - 1;
        const double lastTurn = RoundTo2((remaining + circumference) / circumference);
        count.turns = FloatToStr(lastTurn + turns);
        const double d0 = windingDiameter();
        const double t = StrToFloat(Tolwina.text());
        count.maxDiameter =
            FloatToStr(lastTurn > 0.5 ? t * turns * 2 + d0 + t : t * turns * 2 + d0);
    } catch (const CalcError&) {
        count.failed = true;
    }
    return count;
}

// Shows the turns and the largest roll diameter. A count of up to a million
// turns takes milliseconds, and one keystroke may run it many times with the
// same inputs (each level of the comma normaliser runs the whole chain), so
// the last count is kept for as long as its inputs stay the same.
void TForm1::RaschetOborotov() {
    traced("RaschetOborotov");
    TurnCountInputs inputs{Visota.text(), Diametr.text(), Kreplenie.itemIndex(), Tolwina.text()};
    if (!lastTurnCount_ || lastTurnCount_->first != inputs)
        lastTurnCount_.emplace(std::move(inputs), countTurns());
    const TurnCount count = lastTurnCount_->second;
    if (!count.turns.empty())
        Oboroti.setText(count.turns);
    if (count.failed) {
        Oboroti.setText("0");
        MaxDiametr.setText("0");
    } else {
        MaxDiametr.setText(count.maxDiameter);
    }
}

// Operating time for the full height at the chosen drive's speed, as whole
// minutes and rounded seconds; 60 rounded seconds carry into the minutes.
void TForm1::SpeedChange() {
    traced("SpeedChange");
    try {
        if (!(StrToFloat(Speed.text()) > 0)) {
            Vremya.setText("");
            return;
        }
        const double q = StrToFloat(Oboroti.text()) / StrToFloat(Speed.text());
        double minutes = Trunc(q);
        std::int64_t seconds = Round((q - minutes) * 60);
        if (seconds == 60 || seconds == -60) {
            minutes += static_cast<double>(seconds / 60);
            seconds = 0;
        }
        Vremya.setText(FloatToStr(minutes) + " мин " + FloatToStr(static_cast<double>(seconds)) +
                       " сек");
    } catch (const CalcError&) {
        Vremya.setText("");
    }
}

} // namespace kavro
