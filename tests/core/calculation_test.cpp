// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

#include <sstream>

namespace kavro {
namespace {

class Calculation : public testing::FormTest {};

// A shutter as the user enters it, and the mass, torque, turns and roll it
// shows ("*" where the row does not look).
TEST_F(Calculation, ShowsMassTorqueTurnsAndRoll) {
    const struct {
        const char* name;
        const char *visota, *wirina, *massa, *nizhniy, *tolwina, *diametr;
        int kreplenie, montazh;
        const char* shows;
    } rows[] = {
        {"defaults", "2000", "1000", "1", "0,5", "2", "40", 0, 0, "2,5 1 7,8 98"},
        {"light thin profile", "2000", "1000", "0,3", "0,5", "1", "40", 0, 0, "1,1 0,41 8,44 84"},
        {"Fastlink on 60", "3000", "2500", "4", "1,2", "8,4", "60", 2, 0, "33 21,81 7,81 191"},
        {"strap on 70 indoors", "3000", "2500", "4", "1,2", "8,4", "70", 0, 1,
         "33 22,37 6,45 202,8"},
        // Six layers up to and including 2700 mm outdoors: 80 x 2.7 / 200.
        {"2700 mm six layers", "2700", "1000", "0", "2,7", "2", "40", 0, 0, "2,7 1,08 * *"},
        {"2701 mm eight layers", "2701", "1000", "0", "2,7", "2", "40", 0, 0, "2,7 1,13 * *"},
        {"indoors four layers", "9000", "1000", "0", "2,7", "2", "40", 0, 1, "2,7 1,03 * *"},
        // The strap allowance goes by the exact text: none on 102 or a typed 50.
        {"strap on 102", "2000", "1000", "0", "2", "2", "102", 0, 0, "2 1,14 * *"},
        {"strap on typed 50", "2000", "1000", "0", "2", "2", "50", 0, 0, "2 0,62 * *"},
        {"without strap", "2000", "1000", "0", "2", "2", "40", 1, 0, "2 0,52 * *"},
        {"zero width", "2000", "0", "1", "0,5", "2", "40", 0, 0, "0 0 * *"},
        // A last turn filled to exactly half (0.50003 before rounding) adds no thickness.
        {"half last turn", "323,59", "1000", "1", "0,5", "1", "40", 0, 0, "* * 1,5 70"},
        {"more than half", "325,79", "1000", "1", "0,5", "1", "40", 0, 0, "* * 1,51 71"},
        // Just over one turn of 3,14159265 x 68 mm: a second turn begins,
        // which the full value of pi would not start.
        {"pi to eight places", "213,6283003", "1000", "1", "0,5", "1", "40", 0, 0, "* * 1 70"},
        // No height winds nothing: the roll is the bare winding diameter.
        {"zero height", "0", "1000", "1", "0,5", "2", "40", 0, 0, "0,5 * 0 68"},
        // Each turn takes 0.314159265 m: the millionth turn is still counted,
        // the next is beyond the loop's bound.
        {"a million turns", "314159107,9", "0", "1", "0,5", "0", "100", 1, 0, "* * 999999,5 100"},
        {"beyond a million", "314159424,7", "0", "1", "0,5", "0", "100", 1, 0, "* * 0 0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        testing::StartedWindow w;
        ok(w.input.replace(Field::Diametr, row.diametr));
        ok(w.input.click(Field::Kreplenie, row.kreplenie));
        ok(w.input.click(Field::Montazh, row.montazh));
        for (const auto& [field, text] : {std::pair{Field::Visota, row.visota},
                                          {Field::Wirina, row.wirina},
                                          {Field::Massa, row.massa},
                                          {Field::NizhniyProfil, row.nizhniy},
                                          {Field::Tolwina, row.tolwina}})
            ok(w.input.replace(field, text));
        ok(w.input.focus(Field::Profil));
        std::istringstream expected(row.shows);
        for (const EditField* shown :
             {&w.form.FullMassa, &w.form.Moment, &w.form.Oboroti, &w.form.MaxDiametr}) {
            std::string text;
            expected >> text;
            if (text != "*") {
                EXPECT_EQ(shown->text(), text) << fieldName(shown->id());
            }
        }
    }
}

TEST_F(Calculation, OperatingTimeIsMinutesAndRoundedSeconds) {
    const struct {
        const char *turns, *speed, *time;
    } rows[] = {{"7,8", "14", "0 мин 33 сек"},
                {"7,8", "17", "0 мин 28 сек"},
                {"0", "14", "0 мин 0 сек"},
                {"7,8", "0", ""},               // no drive found
                {"7,8", "-3", ""},              // not a positive speed
                {"x", "14", ""},                // not a number
                {"23,99", "12", "2 мин 0 сек"}, // 59.95 s round to 60 and carry into the minutes
                {"25", "12", "2 мин 5 сек"},
                {"0,5", "12", "0 мин 2 сек"},  // 2.5 s: halves go to the even second
                {"1,1", "12", "0 мин 6 сек"}}; // 5.5 s
    for (const auto& row : rows) {
        form.Speed.setText("0");
        form.Oboroti.setText(row.turns);
        form.Speed.setText(row.speed); // either change runs the time
        EXPECT_EQ(form.Vremya.text(), row.time) << row.turns << " at " << row.speed;
    }
}

// Every failure the user must see: the message, and the results kept.
TEST_F(Calculation, UnconvertibleInputsAreShownAndKeepTheResults) {
    const struct {
        const char* name;
        Field field;
        const char *pasted, *message;
    } rows[] = {
        {"letters", Field::Visota, "abc", "'abc' is not a valid floating point value."},
        // Only protected steps read the thickness: it converts its text first.
        {"thickness", Field::Tolwina, "x", "'x' is not a valid floating point value."},
        {"empty shaft", Field::Diametr, "", "'' is not a valid floating point value."},
        {"overflowing mass", Field::Massa, "1E300", "Invalid floating point operation."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        testing::StartedWindow w;
        EXPECT_EQ(w.input.replace(row.field, row.pasted).kind, ActionResult::Kind::Failed);
        ASSERT_EQ(w.recorders.messageBox.shown.size(), 1u);
        EXPECT_EQ(w.recorders.messageBox.shown[0].title, "kavro");
        EXPECT_EQ(w.recorders.messageBox.shown[0].text, row.message);
        EXPECT_EQ(w.form.FullMassa.text() + " " + w.form.Moment.text() + " " +
                      w.form.Oboroti.text(),
                  "2,5 1 7,8");
        EXPECT_EQ(w.form.Spisok.cell(1, 1), "MR 40 Ebro");
    }
}

// The torque's own inputs are read in a protected step: "0", no message.
TEST_F(Calculation, AnUnreadableMassOrThicknessGivesTorqueZeroQuietly) {
    startUp();
    ok(input.selectAll(Field::Tolwina));
    ok(input.backspace(Field::Tolwina));
    EXPECT_EQ(form.Moment.text(), "0");
    ok(input.type(Field::Tolwina, "2"));
    EXPECT_EQ(form.Moment.text(), "1");
    form.FullMassa.setText("x");
    EXPECT_EQ(form.Moment.text(), "0");
    EXPECT_TRUE(recorders.messageBox.shown.empty());
    // A pasted second comma is taken back before the thickness is read.
    ok(input.replace(Field::Tolwina, "1,,"));
    EXPECT_EQ(form.Tolwina.text(), "1,");
}

} // namespace
} // namespace kavro
