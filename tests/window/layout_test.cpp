// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on screen: every control at its place, named for the state it
// shows, in fonts that render Cyrillic, with the logo decoded. The test also
// leaves a screenshot of the window in the build folder.

#include "field_grid.h"
#include "logo_frame.h"
#include "radio_group_box.h"
#include "window_fixture.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <fstream>

namespace kavro::window {

namespace {

class LayoutTest : public WindowFixture {};

// data/layout.txt, a line per check, in client pixels:
//   NAME at X Y size W H          the rectangle in its parent (the grids'
//                                 in the tab control);
//   NAME top Y right|left EDGE    a label's top and the edge it is aligned
//                                 on (the right one exclusive), text not cut;
//   NAME font PIXELS serif|sans   the font's size, serif being Times New
//                                 Roman (or its metric twin); both render
//                                 Cyrillic.
TEST_F(LayoutTest, EveryControlStandsAtItsPlaceInItsFont) {
    EXPECT_EQ(window().size(), QSize(897, 568));
    EXPECT_EQ(window().windowTitle(), QStringLiteral("KAVRO подбор привода v.1.1"));
    std::ifstream places(KAVRO_TEST_DATA "/layout.txt");
    int checked = 0;
    for (std::string name, kind; places >> name >> kind; ++checked) {
        SCOPED_TRACE(name);
        const auto* control = window().findChild<QWidget*>(QString::fromStdString(name));
        ASSERT_NE(control, nullptr);
        if (kind == "font") {
            int pixels;
            std::string family;
            places >> pixels >> family;
            EXPECT_EQ(control->font().pixelSize(), pixels);
            if (family == "serif") {
                EXPECT_EQ(control->font().family(), QStringLiteral("Times New Roman"));
            }
            const QFontInfo resolved(control->font());
            EXPECT_TRUE(
                QFontDatabase::writingSystems(resolved.family()).contains(QFontDatabase::Cyrillic))
                << resolved.family().toStdString();
            EXPECT_TRUE(QFontMetrics(control->font()).inFontUcs4(U'Ж'));
            continue;
        }
        if (kind == "at") {
            int x, y, width, height;
            std::string size;
            places >> x >> y >> size >> width >> height;
            EXPECT_EQ(control->geometry(), QRect(x, y, width, height));
            continue;
        }
        int top, edge;
        std::string side;
        places >> top >> side >> edge;
        const auto* label = qobject_cast<const QLabel*>(control);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->y(), top);
        EXPECT_EQ(side == "right" ? label->x() + label->width() : label->x(), edge);
        EXPECT_FALSE(label->text().isEmpty());
        EXPECT_GE(label->width(), label->sizeHint().width()) << "the text is cut";
    }
    EXPECT_EQ(checked, 63);
    // The first link stands left of the second, clear of it.
    const auto* site = widget<QLabel>(Field::Label30);
    EXPECT_EQ(site->y(), 65);
    EXPECT_LT(site->x() + site->width(), widget(Field::Label31)->x());
    EXPECT_TRUE(site->font().underline());
}

TEST_F(LayoutTest, GridsLieOnTheSamePlaceInsideTheTabControl) {
    const auto* tabs = widget<QTabWidget>(Field::TabControl1);
    auto* drives = widget<FieldGrid>(Field::Spisok);
    auto* accessories = widget<FieldGrid>(Field::SpisokAcc);
    EXPECT_EQ(drives->parentWidget(), tabs);
    EXPECT_EQ(accessories->parentWidget(), tabs);
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

TEST_F(LayoutTest, LogoIsDecodedUnscaledAndTheIconComesInSeveralSizes) {
    const auto* logo = window().header().logo();
    ASSERT_FALSE(logo->pixmap().isNull());
    EXPECT_EQ(logo->pixmap().size(), QSize(192, 76));
    EXPECT_EQ(logo->alignment(), Qt::AlignLeft | Qt::AlignTop);

    LogoFrame damaged;
    EXPECT_FALSE(damaged.showJpeg(QByteArrayView("\xFF\xD8 not a picture")));
    EXPECT_TRUE(damaged.pixmap().isNull());

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
