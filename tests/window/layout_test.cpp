// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on screen: every control at its place, named for the state it
// shows, in fonts that render Cyrillic, with the logo decoded. The test also
// leaves a screenshot of the window in the build folder.

#include "field_grid.h"
#include "header_area.h"
#include "inputs_area.h"
#include "logo_frame.h"
#include "radio_group_box.h"
#include "results_area.h"
#include "window_fixture.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>

namespace kavro::window {

namespace {

class LayoutTest : public WindowFixture {};

struct Placed {
    const char* name;
    QRect place; // in client pixels
};

// Controls placed by their full rectangle.
const Placed kPlaced[] = {
    {"Profil", {148, 16, 185, 23}},
    {"TipProfilya", {148, 48, 185, 23}},
    {"Montazh", {36, 88, 297, 49}},
    {"Diametr", {148, 160, 121, 23}},
    {"Tolwina", {147, 195, 121, 23}},
    {"Visota", {148, 227, 121, 23}},
    {"Wirina", {148, 256, 121, 23}},
    {"Massa", {148, 288, 121, 23}},
    {"NizhniyProfil", {148, 320, 121, 23}},
    {"Upravlenie", {44, 360, 297, 41}},
    {"Kreplenie", {44, 416, 297, 89}},
    {"NHK", {44, 520, 201, 17}},
    {"FullMassa", {700, 104, 121, 23}},
    {"Moment", {700, 136, 121, 23}},
    {"MaxDiametr", {700, 168, 121, 23}},
    {"Oboroti", {700, 200, 121, 23}},
    {"Vremya", {700, 232, 121, 23}},
    {"Speed", {700, 264, 121, 23}},
    {"Label27", {374, 296, 505, 19}},
    {"TabControl1", {347, 321, 537, 185}},
    {"Button1", {731, 516, 145, 33}},
    {"Image1", {680, 8, 201, 88}},
    {"Label28", {0, 0, 3, 13}},
    {"Label29", {855, 555, 42, 13}},
};

// Labels placed by their top and the edge they are aligned on.
struct Aligned {
    const char* name;
    int top;
    int edge;     // the right edge (exclusive) or the left edge
    bool byRight; // right-aligned against a field
};

const Aligned kAligned[] = {
    {"Label6", 16, InputsArea::kLabelEnd, true},
    {"Label14", 49, InputsArea::kLabelEnd, true},
    {"Label4", 160, InputsArea::kLabelEnd, true},
    {"ProfilName", 192, InputsArea::kLabelEnd, true},
    {"Label2", 224, InputsArea::kLabelEnd, true},
    {"Label1", 253, InputsArea::kLabelEnd, true},
    {"Label3", 288, InputsArea::kLabelEnd, true},
    {"Label21", 320, InputsArea::kLabelEnd, true},
    {"Label12", 160, 272, false},
    {"Label7", 192, 272, false},
    {"Label8", 224, 272, false},
    {"Label9", 256, 272, false},
    {"Label11", 288, 272, false},
    {"Label18", 320, 272, false},
    {"Label19", 104, ResultsArea::kLabelEnd, true},
    {"Label5", 133, ResultsArea::kLabelEnd, true},
    {"Label10", 168, ResultsArea::kLabelEnd, true},
    {"Label15", 200, ResultsArea::kLabelEnd, true},
    {"Label17", 232, ResultsArea::kLabelEnd, true},
    {"Label23", 264, ResultsArea::kLabelEnd, true},
    {"Label20", 104, 824, false},
    {"Label13", 136, 824, false},
    {"Label16", 168, 824, false},
    {"Label24", 264, 824, false},
    {"Label22", 10, HeaderArea::kTextEnd, true},
    {"Label25", 29, HeaderArea::kTextEnd, true},
    {"Label26", 48, HeaderArea::kTextEnd, true},
    {"Label31", 65, HeaderArea::kTextEnd, true},
};

TEST_F(LayoutTest, EveryControlStandsAtItsPlace) {
    EXPECT_EQ(window().size(), QSize(897, 568));
    EXPECT_EQ(window().windowTitle(), QStringLiteral("KAVRO подбор привода v.1.1"));
    for (const Placed& p : kPlaced) {
        const auto* control = window().findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(control, nullptr) << p.name;
        EXPECT_EQ(control->geometry(), p.place) << p.name;
    }
    for (const Aligned& a : kAligned) {
        const auto* label = window().findChild<QLabel*>(QString::fromLatin1(a.name));
        ASSERT_NE(label, nullptr) << a.name;
        EXPECT_EQ(label->y(), a.top) << a.name;
        EXPECT_EQ(a.byRight ? label->x() + label->width() : label->x(), a.edge) << a.name;
        EXPECT_FALSE(label->text().isEmpty()) << a.name;
        EXPECT_GE(label->width(), label->sizeHint().width()) << a.name << " is cut";
    }
    // The first link stands left of the second, clear of it.
    const auto* site = widget<QLabel>(Field::Label30);
    EXPECT_EQ(site->y(), 65);
    EXPECT_LT(site->x() + site->width(), widget(Field::Label31)->x());
}

TEST_F(LayoutTest, GridsLieOnTheSamePlaceInsideTheTabControl) {
    const auto* tabs = widget<QTabWidget>(Field::TabControl1);
    auto* drives = widget<FieldGrid>(Field::Spisok);
    auto* accessories = widget<FieldGrid>(Field::SpisokAcc);
    EXPECT_EQ(drives->parentWidget(), tabs);
    EXPECT_EQ(accessories->parentWidget(), tabs);
    EXPECT_EQ(drives->geometry(), QRect(8, 32, 521, 145));
    EXPECT_EQ(accessories->geometry(), QRect(8, 32, 526, 150));
    EXPECT_TRUE(drives->isVisibleTo(&window()));
    EXPECT_FALSE(accessories->isVisibleTo(&window()));

    const std::vector<int> driveWidths{61, 126, 53, 60, 68, 71, 69};
    for (int c = 0; c < drives->columnCount(); ++c)
        EXPECT_EQ(drives->columnWidth(c), driveWidths[static_cast<std::size_t>(c)]) << c;
    EXPECT_EQ(accessories->columnWidth(0), 61);
    EXPECT_EQ(accessories->columnWidth(1), 438);
    for (const FieldGrid* grid : {drives, accessories}) {
        EXPECT_EQ(grid->horizontalHeader()->height(), 24);
        EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), 24);
        EXPECT_FALSE(grid->verticalHeader()->isVisible());
        EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    }
    EXPECT_EQ(drives->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(drives->cellText(0, 0), QStringLiteral("Артикул"));
}

TEST_F(LayoutTest, InteractiveWidgetsCarryTheirStateNames) {
    for (int i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        const QWidget* shown = widget(field);
        ASSERT_NE(shown, nullptr) << fieldName(field);
        EXPECT_EQ(shown->accessibleName(), toQString(fieldName(field)));
    }
    for (Field field : {Field::Montazh, Field::Upravlenie, Field::Kreplenie}) {
        const auto* group = widget<RadioGroupBox>(field);
        for (int i = 0; i < group->count(); ++i) {
            EXPECT_EQ(group->button(i)->objectName(),
                      toQString(fieldName(field)) + QStringLiteral("_%1").arg(i));
            EXPECT_FALSE(group->button(i)->accessibleName().isEmpty());
        }
    }
    EXPECT_EQ(widget(Field::Wirina)->accessibleDescription(), QStringLiteral("Ширина полотна:"));
}

TEST_F(LayoutTest, CaptionsUseFontsThatRenderCyrillic) {
    struct Row {
        const char* name;
        int pixels;
        bool serif; // Times New Roman or its metric twin
    };
    const Row rows[] = {
        {"Label2", 16, true},   {"Wirina", 13, true},  {"Profil", 13, true},
        {"Label22", 14, true},  {"Label30", 14, true}, {"Montazh_0", 16, true},
        {"Button1", 11, false}, {"Spisok", 11, false}, {"TabControl1", 11, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto* w = window().findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->font().pixelSize(), row.pixels);
        if (row.serif) {
            EXPECT_EQ(w->font().family(), QStringLiteral("Times New Roman"));
        }
        const QFontInfo resolved(w->font());
        EXPECT_TRUE(
            QFontDatabase::writingSystems(resolved.family()).contains(QFontDatabase::Cyrillic))
            << resolved.family().toStdString();
        EXPECT_TRUE(QFontMetrics(w->font()).inFontUcs4(U'Ж'));
    }
    EXPECT_TRUE(widget<QLabel>(Field::Label30)->font().underline());
}

TEST_F(LayoutTest, LogoIsDecodedUnscaledAndBadDataLeavesTheFrameEmpty) {
    const auto* logo = window().header().logo();
    ASSERT_FALSE(logo->pixmap().isNull());
    EXPECT_EQ(logo->pixmap().size(), QSize(192, 76));
    EXPECT_EQ(logo->alignment(), Qt::AlignLeft | Qt::AlignTop);

    LogoFrame damaged;
    EXPECT_FALSE(damaged.showJpeg(QByteArrayView("\xFF\xD8 not a picture")));
    EXPECT_TRUE(damaged.pixmap().isNull());
}

TEST_F(LayoutTest, WindowHasAnIconInSeveralSizes) {
    const QList<QSize> sizes = window().windowIcon().availableSizes();
    EXPECT_GE(sizes.size(), 5);
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(256, 256)));
}

TEST_F(LayoutTest, ScreenshotAfterATypicalCalculation) {
    pickFromList(Field::Profil, 0);
    pickFromList(Field::TipProfilya, 2);
    pickFromList(Field::Diametr, 1);
    clickTextEnd(Field::Wirina);
    key(Qt::Key_A, Qt::ControlModifier);
    typeText(QStringLiteral("2400"));
    clickTextEnd(Field::Visota);
    key(Qt::Key_A, Qt::ControlModifier);
    typeText(QStringLiteral("2200"));
    const QImage shot = window().grab().toImage();
    ASSERT_EQ(shot.size(), QSize(897, 568) * window().devicePixelRatio());
    const QString path = QStringLiteral(KAVRO_TEST_OUTPUT_DIR "/window.png");
    EXPECT_TRUE(shot.save(path)) << path.toStdString();
    // Something is drawn in the header texts' place: not one flat colour.
    const QImage header = shot.copy(QRect(414, 10, 240, 16));
    bool drawn = false;
    for (int x = 0; x < header.width() && !drawn; ++x)
        for (int y = 0; y < header.height() && !drawn; ++y)
            drawn = header.pixel(x, y) != header.pixel(0, 0);
    EXPECT_TRUE(drawn);
}

} // namespace

} // namespace kavro::window
