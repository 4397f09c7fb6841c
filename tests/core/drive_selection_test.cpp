// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_fixture.h"

namespace kavro {
namespace {

using Names = std::vector<std::string>;

class DriveSelection : public testing::FormTest {
protected:
    void SetUp() override {
        startUp();
        ok(input.pick(Field::Diametr, 1));
    }
};

// The selection's inputs as the fields hold them ("PX" wired or "KVL" radio
// control, "NHK" for the crank), whether the narrow-opening warning shows,
// and the drives listed in catalogue order.
TEST_F(DriveSelection, ListTheFittingDrivesInCatalogueOrder) {
    const struct {
        const char *name, *diametr, *wirina, *moment, *control;
        bool warning;
        const char* drives;
    } rows[] = {
        {"wired 60", "60", "1000", "7,5", "PX", false,
         "Terna 2 50 QB 10/12; KX 50 Fen 8/17; nirla 50 PX 10/17"},
        {"radio 60", "60", "1000", "7,5", "KVL", false, "Pravel 50 KVL 10/17; Senta 50 KVL 50/12"},
        // A drive exactly as strong as required does not fit.
        {"equal torque excluded", "60", "1000", "20", "PX", false,
         "Terna 2 50 QB 30/12; KX 50 Roda 25/17; nirla 50 PX 30/17"},
        {"wired 70 in two passes", "70", "1500", "25,3", "PX", false,
         "Terna 2 50 QB 30/12; KX 50 Sivo 30/17; nirla 50 PX 30/17; KX 60 Wena 55/17"},
        {"radio 70 in two passes", "70", "1500", "25,3", "KVL", false,
         "Pravel 50 KVL 30/17; Senta 50 KVL 50/12; Senta 60 KVL 55/17"},
        {"radio 40", "40", "1000", "3,2", "KVL", false, "Senta 40 KVL 4/14"},
        {"wired 40", "40", "1000", "3,2", "PX", false, "MR 40 Ebro"},
        {"crank on 102", "102", "2000", "57", "PX NHK", false, "KX 60 Xara NHK 60/12"},
        {"radio crank on 60", "60", "1000", "5", "KVL NHK", false, "KX 50 Pika NHK KVL 20/17"},
        {"narrow radio", "60", "600", "5", "KVL", true, "Pravel 50 S KVL 6/17"},
        {"narrow wired", "60", "600", "5", "PX", true, "nirla 50 S PX 6/17"},
        {"narrow wired 40", "40", "600", "1", "PX", true, "MR 40 Ebro S"},
        {"narrow 70 only size 50", "70", "600", "1", "PX", true, "nirla 50 S PX 6/17"},
        {"399 too narrow", "60", "399", "1", "PX", true, ""},
        {"400 is narrow", "60", "400", "1", "PX", true, "nirla 50 S PX 6/17"},
        {"799 is narrow", "60", "799", "1", "PX", true, "nirla 50 S PX 6/17"},
        {"narrow equal torque excluded", "60", "600", "6", "PX", true, ""},
        {"800 is wide", "60", "800", "1", "PX", false,
         "Terna 2 50 QB 6/12; KX 50 Fen 8/17; nirla 50 PX 6/17"},
        // The last row each table's scan reaches.
        {"last scanned rows", "60", "1000", "36", "PX", false,
         "Terna 2 50 QB 40/12; KX 50 Ulma 40/17"},
        {"zero torque smallest drives", "102", "1000", "0", "PX", false, "KX 60 Wena 55/17"},
        // Each table's best margin starts at 999 and must be beaten.
        {"margin 998 taken", "102", "1000", "-943", "PX", false, "KX 60 Wena 55/17"},
        {"margin 999 not taken", "102", "1000", "-944", "PX", false, ""},
        {"unknown shaft", "50", "1000", "1", "PX", false, ""},
        {"shaft text no item", "60,0", "1000", "1", "PX", false, ""},
        {"too strong", "60", "1000", "150", "KVL", false, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        testing::StartedWindow w;
        const std::string control = row.control;
        ok(w.input.replace(Field::Diametr, row.diametr));
        ok(w.input.replace(Field::Wirina, row.wirina));
        ok(w.input.click(Field::Upravlenie, control.starts_with("KVL") ? 1 : 0));
        if (control.ends_with("NHK"))
            ok(w.input.check(Field::NHK));
        w.form.Moment.setText(row.moment);
        w.form.PodborPrivoda();
        std::string drives;
        for (const std::string& name : column(w.form.Spisok, 1))
            drives += (drives.empty() ? "" : "; ") + name;
        EXPECT_EQ(drives, row.drives);
        EXPECT_EQ(w.form.Label27.visible(), row.warning);
    }
}

TEST_F(DriveSelection, NothingIsLeftOfALongerList) {
    form.Moment.setText("1");
    form.PodborPrivoda();
    EXPECT_EQ(form.Spisok.rowCount(), 4);
    ok(input.pressCell(Field::Spisok, 1, 3));
    form.Moment.setText("42");
    form.PodborPrivoda();
    EXPECT_EQ(column(form.Spisok, 1), Names{"KX 50 Varo 45/12"});
    EXPECT_EQ(form.Spisok.currentRow(), 1);
    EXPECT_EQ(form.VybrannayaStroka, 1);
}

TEST_F(DriveSelection, AnUnreadableWidthStopsTheSelectionAfterTheHeader) {
    EXPECT_EQ(input.paste(Field::Wirina, "x").kind, ActionResult::Kind::Failed);
    const ActionResult r = input.click(Field::Upravlenie, 1);
    EXPECT_EQ(r.text, "'1000x' is not a valid floating point value.");
    EXPECT_EQ(form.Spisok.rowCount(), 2);
    EXPECT_EQ(form.Spisok.rows()[0][0], "Артикул");
    EXPECT_EQ(form.Spisok.cell(1, 1), "");
}

// 60 mm, wired: Terna, KX, nirla; the press chooses the second.
TEST_F(DriveSelection, APressedDriveBecomesTheChosenOneAndItsCellIsCopied) {
    ok(input.pressCell(Field::Spisok, 1, 2));
    EXPECT_EQ(recorders.clipboard.text, "KX 50 Fen 8/17");
    EXPECT_EQ(form.Speed.text(), "17");
    EXPECT_EQ(form.Vremya.text(), "0 мин 23 сек");
    EXPECT_EQ(form.TabControl1.tabs()[1], "Аксессуары для привода KX 50 Fen 8/17");
    EXPECT_EQ(form.VybrannayaStroka, 2);
    EXPECT_EQ(form.DiametrPrivoda + " " + form.MomentPrivoda, "50 8");
    EXPECT_EQ(form.Spisok.currentColumn(), 1);
    EXPECT_EQ(form.Spisok.currentRow(), 2);
}

} // namespace
} // namespace kavro
