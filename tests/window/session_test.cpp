// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A user's session through the real widgets. After every step the widgets
// show what the window state holds, and that state is the one the scripted
// driver reaches with the same actions.

#include "field_grid.h"
#include "radio_group_box.h"
#include "script_runner.h"
#include "window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <sstream>

namespace kavro::window {

namespace {

class SessionTest : public WindowFixture {
protected:
    // Runs the driver lines that say what the user just did; then the
    // widgets must show what the driver's state holds, clipboard and focus
    // included.
    void expectSameAs(std::initializer_list<const char*> lines) {
        for (const char* line : lines)
            driver_.runLine(line);
        output_.str("");
        driver_.runLine("dump");
        const auto held = nlohmann::ordered_json::parse(output_.str());
        const auto shown = shownState();
        for (const auto& [name, value] : held.items())
            EXPECT_EQ(shown.value(name, nlohmann::ordered_json()), value) << name;
    }

    std::ostringstream output_;
    ScriptRunner driver_{output_};
};

TEST_F(SessionTest, TypicalCalculationShowsWhatTheDriverComputes) {
    driver_.runLine("start");
    {
        SCOPED_TRACE("after start-up");
        expectSameAs({});
    }
    {
        SCOPED_TRACE("typing a width");
        clickTextEnd(Field::Wirina);
        key(Qt::Key_A, Qt::ControlModifier);
        typeText(QStringLiteral("600"));
        expectSameAs({"focus Wirina", "selectall Wirina", "type Wirina 600"});
        EXPECT_TRUE(form().Label27.visible());
    }
    {
        SCOPED_TRACE("emptying the height");
        clickTextEnd(Field::Visota);
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Backspace);
        expectSameAs({"selectall Visota", "backspace Visota"});
        EXPECT_EQ(textOf(Field::Visota)->text(), QString());
    }
    {
        SCOPED_TRACE("leaving the empty height");
        key(Qt::Key_Tab);
        expectSameAs({"focus Wirina"});
        EXPECT_EQ(textOf(Field::Visota)->text(), QStringLiteral("1000"));
    }
    {
        SCOPED_TRACE("picking a profile maker and type");
        pickFromList(Field::Profil, 0);
        expectSameAs({"pick Profil 0"});
        EXPECT_EQ(widget<QComboBox>(Field::Profil)->currentText(), QStringLiteral("Alutech"));
        pickFromList(Field::TipProfilya, 1);
        expectSameAs({"pick TipProfilya 1"});
    }
    {
        SCOPED_TRACE("picking a shaft diameter");
        pickFromList(Field::Diametr, 1);
        expectSameAs({"pick Diametr 1"});
        EXPECT_EQ(textOf(Field::Diametr)->text(), QStringLiteral("60"));
    }
    {
        SCOPED_TRACE("clicking the option groups");
        click(widget<RadioGroupBox>(Field::Montazh)->button(1));
        expectSameAs({"click Montazh 1"});
        click(widget<RadioGroupBox>(Field::Upravlenie)->button(1));
        expectSameAs({"click Upravlenie 1"});
        click(widget<RadioGroupBox>(Field::Kreplenie)->button(2));
        expectSameAs({"click Kreplenie 2"});
    }
    {
        SCOPED_TRACE("toggling the crank on and off");
        click(widget<QCheckBox>(Field::NHK));
        expectSameAs({"check NHK"});
        EXPECT_TRUE(widget<QCheckBox>(Field::NHK)->isChecked());
        click(widget<QCheckBox>(Field::NHK));
        expectSameAs({"check NHK"});
    }
    {
        SCOPED_TRACE("a wide curtain lists several drives");
        clickTextEnd(Field::Wirina);
        key(Qt::Key_A, Qt::ControlModifier);
        typeText(QStringLiteral("2400"));
        expectSameAs({"selectall Wirina", "type Wirina 2400"});
        ASSERT_GE(form().Spisok.rowCount(), 3);
    }
    {
        SCOPED_TRACE("clicking the second drive");
        auto* drives = widget<FieldGrid>(Field::Spisok);
        clickAt(drives, drives->cellRect(1, 2).center());
        expectSameAs({"cell Spisok 1 2"});
        EXPECT_EQ(QGuiApplication::clipboard()->text(), drives->cellText(1, 2));
        EXPECT_EQ(form().VybrannayaStroka, 2);
    }
    {
        SCOPED_TRACE("switching to the accessories and back");
        auto* tabs = widget<QTabWidget>(Field::TabControl1);
        clickAt(tabs->tabBar(), tabs->tabBar()->tabRect(1).center());
        expectSameAs({"tab 1"});
        EXPECT_TRUE(widget<FieldGrid>(Field::SpisokAcc)->isVisibleTo(&window()));
        clickAt(tabs->tabBar(), tabs->tabBar()->tabRect(0).center());
        expectSameAs({"tab 0"});
    }
}

} // namespace

} // namespace kavro::window
