// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

namespace kavro {
namespace {

class OperatingTime : public testing::FormTest {
protected:
    std::string timeFor(const char* turns, const char* speed) {
        form.Speed.setText("0");
        form.Oboroti.setText(turns);
        form.Speed.setText(speed);
        return form.Vremya.text();
    }
};

TEST_F(OperatingTime, ShowsMinutesAndRoundedSeconds) {
    const struct {
        const char* turns;
        const char* speed;
        const char* time;
    } cases[] = {
        {"7,8", "14", "0 мин 33 сек"},
        {"7,8", "17", "0 мин 28 сек"},
        {"0", "14", "0 мин 0 сек"},
        {"7,8", "0", ""},               // no drive found
        {"7,8", "-3", ""},              // not a positive speed
        {"x", "14", ""},                // not a number: the time is left empty
        {"23,99", "12", "2 мин 0 сек"}, // 59.95 s round to 60 and carry into the minutes
        {"36", "12", "3 мин 0 сек"},
        {"25", "12", "2 мин 5 сек"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(timeFor(c.turns, c.speed), c.time) << c.turns << " at " << c.speed;
}

TEST_F(OperatingTime, FollowsBothTheTurnsAndTheSpeed) {
    EXPECT_EQ(traceOf([&] { form.Oboroti.setText("3"); }), std::vector<std::string>{"SpeedChange"});
    EXPECT_EQ(traceOf([&] { form.Speed.setText("12"); }), std::vector<std::string>{"SpeedChange"});
    EXPECT_EQ(form.Vremya.text(), "0 мин 15 сек");
}

class TurnCount : public testing::FormTest {};

TEST_F(TurnCount, NoHeightWindsNothing) {
    startUp();
    for (const char* height : {"0", "-500"}) {
        ok(input.replace(Field::Visota, height));
        EXPECT_EQ(form.Oboroti.text(), "0") << height;
        EXPECT_EQ(form.MaxDiametr.text(), "68") << height; // the bare winding diameter
    }
}

TEST_F(TurnCount, AMillionTurnsAreStillCounted) {
    startUp();
    ok(input.replace(Field::Wirina, "0"));
    ok(input.click(Field::Kreplenie, 1));
    ok(input.replace(Field::Diametr, "100"));
    ok(input.replace(Field::Tolwina, "0"));
    // Each turn takes 0.314159265 m: 999,999.5 turns' worth of height.
    ok(input.replace(Field::Visota, "314159107,9"));
    EXPECT_EQ(form.Oboroti.text(), "999999,5");
    EXPECT_EQ(form.MaxDiametr.text(), "100");
}

} // namespace
} // namespace kavro
