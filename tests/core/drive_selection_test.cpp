// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

#include <ostream>

namespace kavro {
namespace {

struct SelectionCase {
    const char* name;
    const char* diametr;
    const char* wirina;
    const char* moment;
    int upravlenie;
    bool nhk;
    std::vector<std::string> drives;
    bool warning;
};

std::ostream& operator<<(std::ostream& out, const SelectionCase& c) {
    return out << c.name;
}

class DriveSelection : public testing::FormTest,
                       public ::testing::WithParamInterface<SelectionCase> {
protected:
    // Sets the selection's inputs as the fields would hold them and runs it.
    void select(const SelectionCase& c) {
        startUp();
        ok(input.replace(Field::Diametr, c.diametr));
        ok(input.replace(Field::Wirina, c.wirina));
        ok(input.click(Field::Upravlenie, c.upravlenie));
        if (c.nhk)
            ok(input.check(Field::NHK));
        form.Moment.setText(c.moment);
        form.PodborPrivoda();
    }
};

TEST_P(DriveSelection, ListsTheFittingDrivesInCatalogueOrder) {
    const SelectionCase& c = GetParam();
    select(c);
    EXPECT_EQ(column(form.Spisok, 1), c.drives.empty() ? std::vector<std::string>{""} : c.drives);
    EXPECT_EQ(form.Label27.visible(), c.warning);
}

INSTANTIATE_TEST_SUITE_P(
    Shutters, DriveSelection,
    ::testing::Values(
        SelectionCase{"Wired60",
                      "60",
                      "1000",
                      "7,5",
                      0,
                      false,
                      {"Terna 2 50 QB 10/12", "KX 50 Fen 8/17", "nirla 50 PX 10/17"},
                      false},
        SelectionCase{"Radio60",
                      "60",
                      "1000",
                      "7,5",
                      1,
                      false,
                      {"Pravel 50 KVL 10/17", "Senta 50 KVL 50/12"},
                      false},
        SelectionCase{"EqualTorqueExcluded",
                      "60",
                      "1000",
                      "20",
                      0,
                      false,
                      {"Terna 2 50 QB 30/12", "KX 50 Roda 25/17", "nirla 50 PX 30/17"},
                      false},
        SelectionCase{
            "Wired70TwoPasses",
            "70",
            "1500",
            "25,3",
            0,
            false,
            {"Terna 2 50 QB 30/12", "KX 50 Sivo 30/17", "nirla 50 PX 30/17", "KX 60 Wena 55/17"},
            false},
        SelectionCase{"Radio70TwoPasses",
                      "70",
                      "1500",
                      "25,3",
                      1,
                      false,
                      {"Pravel 50 KVL 30/17", "Senta 50 KVL 50/12", "Senta 60 KVL 55/17"},
                      false},
        SelectionCase{"Radio40", "40", "1000", "3,2", 1, false, {"Senta 40 KVL 4/14"}, false},
        SelectionCase{"Wired40", "40", "1000", "3,2", 0, false, {"MR 40 Ebro"}, false},
        SelectionCase{"Crank102", "102", "2000", "57", 0, true, {"KX 60 Xara NHK 60/12"}, false},
        SelectionCase{
            "RadioCrank60", "60", "1000", "5", 1, true, {"KX 50 Pika NHK KVL 20/17"}, false},
        SelectionCase{"NarrowRadio", "60", "600", "5", 1, false, {"Pravel 50 S KVL 6/17"}, true},
        SelectionCase{"NarrowWired", "60", "600", "5", 0, false, {"nirla 50 S PX 6/17"}, true},
        SelectionCase{"NarrowWired40", "40", "600", "1", 0, false, {"MR 40 Ebro S"}, true},
        SelectionCase{
            "Narrow70OnlySize50", "70", "600", "1", 0, false, {"nirla 50 S PX 6/17"}, true},
        SelectionCase{"TooNarrow", "60", "399", "1", 0, false, {}, true},
        SelectionCase{
            "Exactly400IsNarrow", "60", "400", "1", 0, false, {"nirla 50 S PX 6/17"}, true},
        SelectionCase{"Exactly800IsWide",
                      "60",
                      "800",
                      "1",
                      0,
                      false,
                      {"Terna 2 50 QB 6/12", "KX 50 Fen 8/17", "nirla 50 PX 6/17"},
                      false},
        SelectionCase{
            "ZeroTorqueSmallestDrives", "102", "1000", "0", 0, false, {"KX 60 Wena 55/17"}, false},
        SelectionCase{"UnknownShaft", "50", "1000", "1", 0, false, {}, false},
        SelectionCase{"ShaftTextNotItem", "60,0", "1000", "1", 0, false, {}, false},
        SelectionCase{"TooStrong", "60", "1000", "150", 1, false, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

class DriveSelectionResult : public testing::FormTest {
protected:
    void SetUp() override {
        startUp();
        ok(input.pick(Field::Diametr, 1));
    }
};

TEST_F(DriveSelectionResult, FirstRowBecomesTheChosenDrive) {
    form.Moment.setText("7,5");
    form.PodborPrivoda();
    const std::vector<std::string> row = {"4100047", "Terna 2 50 QB 10/12", "50", "10", "12", "PX",
                                          "-"};
    EXPECT_EQ(form.Spisok.rows()[1], row);
    EXPECT_EQ(form.Spisok.rows()[0][2], "D мин");
    EXPECT_EQ(form.TabControl1.tabs()[1], "Аксессуары для привода Terna 2 50 QB 10/12");
    EXPECT_EQ(form.Speed.text(), "12");
    EXPECT_EQ(form.DiametrPrivoda, "50");
    EXPECT_EQ(form.MomentPrivoda, "10");
    EXPECT_EQ(form.VybrannayaStroka, 1);
}

TEST_F(DriveSelectionResult, NoFittingDriveLeavesAnEmptyRow) {
    ok(input.click(Field::Upravlenie, 1));
    ok(input.check(Field::NHK));
    form.Moment.setText("500");
    form.PodborPrivoda();
    EXPECT_EQ(form.Spisok.rowCount(), 2);
    EXPECT_EQ(form.Spisok.rows()[1], std::vector<std::string>(7));
    EXPECT_EQ(form.TabControl1.tabs()[1], "Аксессуары для привода ");
    EXPECT_EQ(form.Speed.text(), "0");
    EXPECT_EQ(form.Vremya.text(), "");
    EXPECT_EQ(form.DiametrPrivoda, "");
    EXPECT_EQ(form.MomentPrivoda, "");
    EXPECT_EQ(form.SpisokAcc.rows(),
              (std::vector<std::vector<std::string>>{{"Артикул", "Наименование"}, {"", ""}}));
}

TEST_F(DriveSelectionResult, NothingIsLeftOfALongerList) {
    form.Moment.setText("1");
    form.PodborPrivoda();
    EXPECT_EQ(form.Spisok.rowCount(), 4);
    ok(input.pressCell(Field::Spisok, 1, 3));
    form.Moment.setText("42");
    form.PodborPrivoda();
    EXPECT_EQ(column(form.Spisok, 1), std::vector<std::string>{"KX 50 Varo 45/12"});
    EXPECT_EQ(form.Spisok.currentRow(), 1);
    EXPECT_EQ(form.VybrannayaStroka, 1);
}

TEST_F(DriveSelectionResult, APastedWidthStopsTheSelectionAfterTheHeader) {
    EXPECT_EQ(input.paste(Field::Wirina, "x").kind, ActionResult::Kind::Failed);
    const ActionResult r = input.click(Field::Upravlenie, 1);
    EXPECT_EQ(r.kind, ActionResult::Kind::Failed);
    EXPECT_EQ(r.text, "'1000x' is not a valid floating point value.");
    EXPECT_EQ(form.Spisok.rowCount(), 2);
    EXPECT_EQ(form.Spisok.rows()[0][0], "Артикул");
    EXPECT_EQ(form.Spisok.cell(1, 1), "");
}

} // namespace
} // namespace kavro
