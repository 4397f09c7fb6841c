// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

#include <ostream>

namespace kavro {
namespace {

using Articles = std::vector<std::string>;

// The accessory articles 42000NN for the accessory numbers given.
Articles articles(std::initializer_list<int> numbers) {
    Articles out;
    for (int n : numbers)
        out.push_back(std::string("42000") + (n < 10 ? "0" : "") + std::to_string(n));
    return out;
}

struct AccessoryCase {
    const char* name;
    const char* diametr;
    int kreplenie;
    const char* moment;
    const char* wirina;
    const char* motorSize;
    const char* driveTorque;
    bool nhk;
    Articles expected;
};

std::ostream& operator<<(std::ostream& out, const AccessoryCase& c) {
    return out << c.name;
}

class AccessorySelection : public testing::FormTest,
                           public ::testing::WithParamInterface<AccessoryCase> {};

TEST_P(AccessorySelection, ListsTheRulesAccessoriesInOrder) {
    const AccessoryCase& c = GetParam();
    startUp();
    ok(input.replace(Field::Diametr, c.diametr));
    ok(input.click(Field::Kreplenie, c.kreplenie));
    if (c.nhk)
        ok(input.check(Field::NHK));
    ok(input.replace(Field::Wirina, c.wirina));
    // The torque and the chosen drive exactly as given, after the recalculation.
    form.Moment.setText(c.moment);
    form.DiametrPrivoda = c.motorSize;
    form.MomentPrivoda = c.driveTorque;
    form.PodborAcc();
    EXPECT_EQ(column(form.SpisokAcc, 0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Drives, AccessorySelection,
    ::testing::Values(
        AccessoryCase{"Shaft40", "40", 0, "1", "1000", "40", "4", false, articles({1, 2, 3})},
        AccessoryCase{"FastlinkAtExactly35", "60", 2, "35", "1000", "50", "40", false,
                      articles({4, 5, 6, 7, 8})},
        AccessoryCase{"HeavyNarrow799", "60", 0, "35,01", "799", "50", "40", false,
                      articles({4, 5, 9, 10})},
        AccessoryCase{"Width800NoKit", "60", 0, "35,01", "800", "50", "40", false,
                      articles({4, 5, 9})},
        AccessoryCase{"Width400Kit", "60", 0, "35,01", "400", "50", "40", false,
                      articles({4, 5, 9, 10})},
        AccessoryCase{"Shaft70Size50", "70", 0, "12", "1000", "50", "10", false,
                      articles({11, 12, 13, 8})},
        AccessoryCase{"Shaft70Rated120", "70", 0, "40", "1000", "60", "120", false,
                      articles({11, 12, 9, 14})},
        AccessoryCase{"Shaft70Rated100", "70", 0, "40", "1000", "60", "100", false,
                      articles({11, 12, 9, 14})},
        AccessoryCase{"Shaft70Rated55", "70", 0, "40", "1000", "60", "55", false,
                      articles({11, 12, 9})},
        AccessoryCase{"Shaft102At85", "102", 0, "85", "1000", "60", "100", false,
                      articles({15, 16, 9})},
        AccessoryCase{"Shaft102Above85", "102", 0, "85,01", "1000", "60", "100", false,
                      articles({15, 16, 9, 14})},
        AccessoryCase{"CrankOn60", "60", 0, "20", "1000", "50", "25", true,
                      articles({4, 5, 8, 17, 18, 19, 20, 21, 22, 23, 24})},
        AccessoryCase{"CrankOnUnknownShaft", "50", 0, "20", "1000", "50", "25", true,
                      articles({17, 18, 19, 20, 21, 22, 23, 24})},
        AccessoryCase{"NoDriveChosen", "60", 0, "20", "1000", "", "", true, Articles{""}}),
    [](const auto& info) { return std::string(info.param.name); });

class DriveListPress : public testing::FormTest {
protected:
    void SetUp() override {
        startUp();
        ok(input.pick(Field::Diametr, 1)); // 60 mm, wired: Terna, KX, nirla
    }
};

TEST_F(DriveListPress, ChoosesThePressedDriveAndCopiesTheCell) {
    ok(input.pressCell(Field::Spisok, 1, 2));
    EXPECT_EQ(recorders.clipboard.text, "KX 50 Fen 8/17");
    EXPECT_EQ(form.Speed.text(), "17");
    EXPECT_EQ(form.TabControl1.tabs()[1], "Аксессуары для привода KX 50 Fen 8/17");
    EXPECT_EQ(form.VybrannayaStroka, 2);
    EXPECT_EQ(form.DiametrPrivoda, "50");
    EXPECT_EQ(form.MomentPrivoda, "8");
    EXPECT_EQ(form.Spisok.currentColumn(), 1);
    EXPECT_EQ(form.Spisok.currentRow(), 2);
    EXPECT_EQ(form.Vremya.text(), "0 мин 23 сек");
}

TEST_F(DriveListPress, AHeaderPressActsOnTheFirstDrive) {
    ok(input.pressCell(Field::Spisok, 1, 2));
    ok(input.pressCell(Field::Spisok, 3, 0));
    EXPECT_EQ(recorders.clipboard.text, "6");
    EXPECT_EQ(form.VybrannayaStroka, 1);
    EXPECT_EQ(form.Speed.text(), "12");
}

TEST_F(DriveListPress, APressOnNoCellOnlyRebuildsTheAccessories) {
    ok(input.pressCell(Field::Spisok, 1, 2));
    const auto accessories = form.SpisokAcc.rows();
    const auto trace = traceOf([&] { ok(input.pressCell(Field::Spisok, -1, -1)); });
    EXPECT_EQ(trace, (std::vector<std::string>{"SpisokMouseDown", "PodborAcc"}));
    EXPECT_EQ(recorders.clipboard.text, "KX 50 Fen 8/17");
    EXPECT_EQ(form.VybrannayaStroka, 2);
    EXPECT_EQ(form.SpisokAcc.rows(), accessories);
}

TEST_F(DriveListPress, APressOnAnEmptyListStopsTheDrive) {
    ok(input.replace(Field::Wirina, "300"));
    ok(input.pressCell(Field::Spisok, 0, 1));
    EXPECT_EQ(form.Speed.text(), "0");
    EXPECT_EQ(recorders.clipboard.text, "");
    EXPECT_EQ(form.TabControl1.tabs()[1], "Аксессуары для привода ");
}

TEST_F(DriveListPress, SwitchingTabsShowsOneGridAndRebuildsTheOther) {
    const auto accessories = form.SpisokAcc.rows();
    ok(input.switchTab(1));
    EXPECT_FALSE(form.Spisok.visible());
    EXPECT_TRUE(form.SpisokAcc.visible());
    EXPECT_TRUE(traceOf([&] { ok(input.switchTab(1)); }).empty());
    ok(input.switchTab(0));
    EXPECT_TRUE(form.Spisok.visible());
    EXPECT_FALSE(form.SpisokAcc.visible());
    EXPECT_EQ(form.SpisokAcc.rows(), accessories);
}

} // namespace
} // namespace kavro
