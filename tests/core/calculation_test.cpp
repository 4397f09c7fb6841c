// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

#include <ostream>

namespace kavro {
namespace {

// A shutter as the user enters it, field texts and option choices.
struct Shutter {
    const char* name;
    const char* visota = "2000";
    const char* wirina = "1000";
    const char* massa = "1";
    const char* nizhniy = "0,5";
    const char* tolwina = "2";
    const char* diametr = "40";
    int kreplenie = 0;
    int montazh = 0;
    // Expected results.
    const char* fullMassa = nullptr;
    const char* moment = nullptr;
    const char* oboroti = nullptr;
    const char* maxDiametr = nullptr;
};

std::ostream& operator<<(std::ostream& out, const Shutter& s) {
    return out << s.name;
}

class Calculation : public testing::FormTest, public ::testing::WithParamInterface<Shutter> {
protected:
    void describe(const Shutter& s) {
        startUp();
        ok(input.replace(Field::Diametr, s.diametr));
        ok(input.click(Field::Kreplenie, s.kreplenie));
        ok(input.click(Field::Montazh, s.montazh));
        ok(input.replace(Field::Visota, s.visota));
        ok(input.replace(Field::Wirina, s.wirina));
        ok(input.replace(Field::Massa, s.massa));
        ok(input.replace(Field::NizhniyProfil, s.nizhniy));
        ok(input.replace(Field::Tolwina, s.tolwina));
        ok(input.focus(Field::Profil));
    }
};

TEST_P(Calculation, ShowsMassTorqueTurnsAndRoll) {
    const Shutter& s = GetParam();
    describe(s);
    const struct {
        const EditField& field;
        const char* expected;
    } results[] = {{form.FullMassa, s.fullMassa},
                   {form.Moment, s.moment},
                   {form.Oboroti, s.oboroti},
                   {form.MaxDiametr, s.maxDiametr}};
    for (const auto& r : results) {
        if (r.expected) {
            EXPECT_EQ(r.field.text(), r.expected) << fieldName(r.field.id());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shutters, Calculation,
    ::testing::Values(Shutter{.name = "Defaults",
                              .fullMassa = "2,5",
                              .moment = "1",
                              .oboroti = "7,8",
                              .maxDiametr = "98"},
                      Shutter{.name = "LightThinProfile",
                              .massa = "0,3",
                              .tolwina = "1",
                              .fullMassa = "1,1",
                              .moment = "0,41",
                              .oboroti = "8,44",
                              .maxDiametr = "84"},
                      Shutter{.name = "FastlinkOn60",
                              .visota = "3000",
                              .wirina = "2500",
                              .massa = "4",
                              .nizhniy = "1,2",
                              .tolwina = "8,4",
                              .diametr = "60",
                              .kreplenie = 2,
                              .fullMassa = "33",
                              .moment = "21,81",
                              .oboroti = "7,81",
                              .maxDiametr = "191"},
                      Shutter{.name = "StrapOn70Indoor",
                              .visota = "3000",
                              .wirina = "2500",
                              .massa = "4",
                              .nizhniy = "1,2",
                              .tolwina = "8,4",
                              .diametr = "70",
                              .kreplenie = 0,
                              .montazh = 1,
                              .fullMassa = "33",
                              .moment = "22,37",
                              .oboroti = "6,45",
                              .maxDiametr = "202,8"},
                      // 2700 mm is the last height with six layers outdoors: 80 x 2.7 / 200.
                      Shutter{.name = "Height2700SixLayers",
                              .visota = "2700",
                              .massa = "0",
                              .nizhniy = "2,7",
                              .moment = "1,08"},
                      // 2701 mm winds eight: 84 x 2.7 / 200.
                      Shutter{.name = "Height2701EightLayers",
                              .visota = "2701",
                              .massa = "0",
                              .nizhniy = "2,7",
                              .moment = "1,13"},
                      // Indoors four layers whatever the height: 76 x 2.7 / 200.
                      Shutter{.name = "IndoorFourLayers",
                              .visota = "9000",
                              .massa = "0",
                              .nizhniy = "2,7",
                              .montazh = 1,
                              .moment = "1,03"},
                      // No strap allowance on 102: (12 + 102) x 2 / 200.
                      Shutter{.name = "Strap102NoAllowance",
                              .massa = "0",
                              .nizhniy = "2",
                              .diametr = "102",
                              .moment = "1,14"},
                      // A typed diameter is used as it stands: (12 + 50) x 2 / 200.
                      Shutter{.name = "TypedDiameter50",
                              .massa = "0",
                              .nizhniy = "2",
                              .diametr = "50",
                              .moment = "0,62"},
                      Shutter{.name = "WithoutStrap40",
                              .massa = "0",
                              .nizhniy = "2",
                              .kreplenie = 1,
                              .moment = "0,52"},
                      Shutter{.name = "ZeroWidth", .wirina = "0", .fullMassa = "0", .moment = "0"}),
    [](const auto& info) { return std::string(info.param.name); });

class Failures : public testing::FormTest {};

TEST_F(Failures, PastedLettersShowTheConversionErrorAndChangeNoResult) {
    startUp();
    const std::string before = form.FullMassa.text() + form.Moment.text() + form.Oboroti.text();
    const ActionResult r = input.paste(Field::Visota, "abc");
    EXPECT_EQ(r.kind, ActionResult::Kind::Failed);
    ASSERT_EQ(recorders.messageBox.shown.size(), 1u);
    EXPECT_EQ(recorders.messageBox.shown[0].title, "kavro");
    EXPECT_EQ(recorders.messageBox.shown[0].text, "'2000abc' is not a valid floating point value.");
    EXPECT_EQ(form.FullMassa.text() + form.Moment.text() + form.Oboroti.text(), before);
}

TEST_F(Failures, APastedNonNumberThicknessIsReportedToo) {
    startUp();
    const ActionResult r = input.replace(Field::Tolwina, "x");
    EXPECT_EQ(r.kind, ActionResult::Kind::Failed);
    EXPECT_EQ(r.text, "'x' is not a valid floating point value.");
    EXPECT_EQ(form.Moment.text(), "1");
    EXPECT_EQ(form.Oboroti.text(), "7,8");
    // Normalised first: "1,," is taken back to "1," before it is read.
    ok(input.replace(Field::Tolwina, "1,,"));
    EXPECT_EQ(form.Tolwina.text(), "1,");
}

TEST_F(Failures, ProtectedTorqueShowsZeroWithoutAMessage) {
    startUp();
    ok(input.selectAll(Field::Tolwina));
    ok(input.backspace(Field::Tolwina));
    EXPECT_EQ(form.Moment.text(), "0");
    ok(input.type(Field::Tolwina, "2"));
    form.FullMassa.setText("x"); // not a number: the torque step fails quietly
    EXPECT_EQ(form.Moment.text(), "0");
    EXPECT_TRUE(recorders.messageBox.shown.empty());
}

TEST_F(Failures, EmptyShaftTextFailsAndKeepsTheTorque) {
    startUp();
    ok(input.selectAll(Field::Diametr));
    const ActionResult r = input.backspace(Field::Diametr);
    EXPECT_EQ(r.kind, ActionResult::Kind::Failed);
    EXPECT_EQ(r.text, "'' is not a valid floating point value.");
    EXPECT_EQ(form.Moment.text(), "1");
    EXPECT_EQ(form.Spisok.cell(1, 1), "MR 40 Ebro");
}

TEST_F(Failures, OverflowingMassFailsInTheRounding) {
    startUp();
    const ActionResult r = input.replace(Field::Massa, "1E300");
    EXPECT_EQ(r.kind, ActionResult::Kind::Failed);
    EXPECT_EQ(r.text, "Invalid floating point operation.");
    EXPECT_EQ(form.FullMassa.text(), "2,5");
}

} // namespace
} // namespace kavro
