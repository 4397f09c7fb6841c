// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A user's session through the real widgets. After every step the widgets
// show what the window state holds, and that state is the one the scripted
// driver reaches with the same actions.

#include "field_grid.h"
#include "radio_group_box.h"
#include "script_runner.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QTabBar>
#include <QTabWidget>
#include <functional>
#include <sstream>

namespace kavro::window {

namespace {

class SessionTest : public WindowFixture {
public:
    // Runs the driver lines that say what the user just did; then the
    // widgets must show what the driver's state holds, clipboard and focus
    // included.
    void expectSameAs(const std::string& lines) {
        std::istringstream actions(lines);
        for (std::string line; std::getline(actions, line, ';');)
            driver_.runLine(line);
        output_.str("");
        driver_.runLine("dump");
        const auto held = nlohmann::ordered_json::parse(output_.str());
        const auto shown = shownState();
        for (const auto& [name, value] : held.items())
            EXPECT_EQ(shown.value(name, nlohmann::ordered_json()), value) << name;
    }

    void replaceText(Field field, const char* text) {
        clickTextEnd(field);
        key(Qt::Key_A, Qt::ControlModifier);
        if (*text)
            typeText(QString::fromUtf8(text));
        else
            key(Qt::Key_Backspace);
    }

    std::ostringstream output_;
    ScriptRunner driver_{output_};
};

// Each step: what the user does to the widgets, and the same as driver lines.
TEST_F(SessionTest, TypicalCalculationShowsWhatTheDriverComputes) {
    const struct {
        const char* name;
        std::function<void(SessionTest&)> user;
        const char* driver;
    } steps[] = {
        {"start-up", [](SessionTest&) {}, "start"},
        {"typing a narrow width", [](SessionTest& t) { t.replaceText(Field::Wirina, "600"); },
         "focus Wirina;selectall Wirina;type Wirina 600"},
        {"emptying the height", [](SessionTest& t) { t.replaceText(Field::Visota, ""); },
         "selectall Visota;backspace Visota"},
        {"leaving the empty height", [](SessionTest& t) { t.key(Qt::Key_Tab); }, "focus Wirina"},
        {"picking a maker", [](SessionTest& t) { t.pickFromList(Field::Profil, 0); },
         "pick Profil 0"},
        {"picking a type", [](SessionTest& t) { t.pickFromList(Field::TipProfilya, 1); },
         "pick TipProfilya 1"},
        {"picking a shaft", [](SessionTest& t) { t.pickFromList(Field::Diametr, 1); },
         "pick Diametr 1"},
        {"clicking the options",
         [](SessionTest& t) {
             t.click(t.widget<RadioGroupBox>(Field::Montazh)->button(1));
             t.click(t.widget<RadioGroupBox>(Field::Upravlenie)->button(1));
             t.click(t.widget<RadioGroupBox>(Field::Kreplenie)->button(2));
         },
         "click Montazh 1;click Upravlenie 1;click Kreplenie 2"},
        {"checking the crank", [](SessionTest& t) { t.click(t.widget<QCheckBox>(Field::NHK)); },
         "check NHK"},
        {"clearing the crank", [](SessionTest& t) { t.click(t.widget<QCheckBox>(Field::NHK)); },
         "check NHK"},
        {"a wide curtain", [](SessionTest& t) { t.replaceText(Field::Wirina, "2400"); },
         "selectall Wirina;type Wirina 2400"},
        {"clicking the second drive",
         [](SessionTest& t) {
             auto* drives = t.widget<FieldGrid>(Field::Spisok);
             ASSERT_GE(t.form().Spisok.rowCount(), 3);
             t.clickAt(drives, drives->cellRect(1, 2).center());
         },
         "cell Spisok 1 2"},
        {"the accessories' tab",
         [](SessionTest& t) {
             QTabBar* bar = t.widget<QTabWidget>(Field::TabControl1)->tabBar();
             t.clickAt(bar, bar->tabRect(1).center());
         },
         "tab 1"},
        {"the drives' tab",
         [](SessionTest& t) {
             QTabBar* bar = t.widget<QTabWidget>(Field::TabControl1)->tabBar();
             t.clickAt(bar, bar->tabRect(0).center());
         },
         "tab 0"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.user(*this);
        expectSameAs(step.driver);
    }
    EXPECT_EQ(form().VybrannayaStroka, 2);
}

} // namespace

} // namespace kavro::window
