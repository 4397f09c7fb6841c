// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include "field_grid.h"
#include "radio_group_box.h"
#include "state_dump.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QTabWidget>
#include <QTest>

namespace kavro::window {

namespace {

using Json = nlohmann::ordered_json;

std::string text(const QString& shown) {
    return shown.toStdString();
}

Json items(const QComboBox* combo) {
    Json list = Json::array();
    for (int i = 0; i < combo->count(); ++i)
        list.push_back(text(combo->itemText(i)));
    return list;
}

Json rows(const FieldGrid* grid) {
    Json all = Json::array();
    for (int r = 0; r <= grid->rowCount(); ++r) {
        Json row = Json::array();
        for (int c = 0; c < grid->columnCount(); ++c)
            row.push_back(text(grid->cellText(c, r)));
        all.push_back(row);
    }
    return all;
}

} // namespace

void WindowFixture::SetUp() {
    QGuiApplication::clipboard()->clear();
    WindowSeams seams;
    seams.urlOpener = &urlOpener_;
    seams.wordProcessor = &wordProcessor_;
    seams.runDialog = [this](QMessageBox& box) {
        shownBoxes_.push_back(
            {box.windowTitle(), box.text(), box.icon(), box.standardButtons(), box.textFormat()});
        if (static_cast<int>(shownBoxes_.size()) > expectedBoxes_)
            ADD_FAILURE() << "unexpected message box: " << box.text().toStdString();
    };
    window_ = std::make_unique<MainWindow>(std::move(seams));
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    ASSERT_TRUE(window_->startedUp());
}

void WindowFixture::TearDown() {
    EXPECT_EQ(static_cast<int>(shownBoxes_.size()), expectedBoxes_) << "message boxes shown";
    window_.reset();
}

QLineEdit* WindowFixture::textOf(Field field) const {
    if (field == Field::Diametr)
        return widget<QComboBox>(field)->lineEdit();
    return widget<QLineEdit>(field);
}

// Through the window's platform window, as a real press arrives: the window
// sees it before the widget under the pointer does.
void WindowFixture::clickAt(QWidget* target, QPoint point, Qt::MouseButton button) {
    QWindow* handle = target->window()->windowHandle();
    const QPoint inWindow = target->mapTo(target->window(), point);
    QTest::mouseClick(handle, button, Qt::NoModifier, inWindow);
}

void WindowFixture::clickTextEnd(Field field) {
    QLineEdit* edit = textOf(field);
    const QRect inside = edit->rect();
    clickAt(edit, QPoint(inside.right() - 4, inside.center().y()));
}

void WindowFixture::key(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, static_cast<Qt::Key>(key), modifiers);
}

void WindowFixture::typeText(const QString& text) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClicks(focused, text);
}

// Opens the list with a click and clicks the item in it.
void WindowFixture::pickFromList(Field field, int index) {
    auto* combo = widget<QComboBox>(field);
    QAbstractItemView* list = combo->view();
    if (field == Field::Diametr) {
        // The editable drop-down opens from its arrow, right of the text.
        clickAt(combo, QPoint(combo->width() - 6, combo->height() / 2));
    } else {
        click(combo);
    }
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    // An open list ignores a release that comes within a double-click time
    // of its opening, so that the opening click picks nothing.
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 20);
    const QRect item = list->visualRect(list->model()->index(index, 0));
    QTest::mouseMove(list->viewport(), item.center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list->window()->isVisible(); }));
}

Json WindowFixture::shownState() const {
    Json j;
    for (Field f : {Field::Profil, Field::TipProfilya, Field::Diametr}) {
        const auto* combo = widget<QComboBox>(f);
        j[fieldName(f)] = Json{{"text", text(combo->currentText())},
                               {"index", combo->currentIndex()},
                               {"items", items(combo)},
                               {"enabled", combo->isEnabled()}};
    }
    for (Field f : {Field::Montazh, Field::Upravlenie, Field::Kreplenie}) {
        const auto* group = widget<RadioGroupBox>(f);
        int checked = -1;
        Json enabled = Json::array();
        for (int i = 0; i < group->count(); ++i) {
            if (group->button(i)->isChecked())
                checked = checked == -1 ? i : -2; // two checked items show as -2
            enabled.push_back(group->button(i)->isEnabled());
        }
        j[fieldName(f)] = Json{{"index", checked}, {"enabled", enabled}};
    }
    const auto* crank = widget<QCheckBox>(Field::NHK);
    j["NHK"] = Json{{"checked", crank->isChecked()}, {"enabled", crank->isEnabled()}};
    for (Field f : {Field::Tolwina, Field::Visota, Field::Wirina, Field::Massa,
                    Field::NizhniyProfil, Field::FullMassa, Field::Moment, Field::MaxDiametr,
                    Field::Oboroti, Field::Vremya, Field::Speed}) {
        const auto* edit = widget<QLineEdit>(f);
        j[fieldName(f)] = Json{{"text", text(edit->text())}, {"enabled", edit->isEnabled()}};
    }
    j["Label27"] = Json{{"visible", widget(Field::Label27)->isVisibleTo(window_.get())}};
    const auto* tabs = widget<QTabWidget>(Field::TabControl1);
    Json captions = Json::array();
    for (int i = 0; i < tabs->count(); ++i)
        captions.push_back(text(tabs->tabText(i)));
    j["TabControl1"] = Json{{"index", tabs->currentIndex()}, {"tabs", captions}};
    const auto* drives = widget<FieldGrid>(Field::Spisok);
    j["Spisok"] = Json{{"visible", drives->isVisibleTo(window_.get())},
                       {"rows", rows(drives)},
                       {"current", {drives->currentColumn(), drives->currentRow() + 1}}};
    const auto* accessories = widget<FieldGrid>(Field::SpisokAcc);
    j["SpisokAcc"] =
        Json{{"visible", accessories->isVisibleTo(window_.get())}, {"rows", rows(accessories)}};
    const TForm1& f = window_->form();
    j["selection"] = Json{{"VybrannayaStroka", f.VybrannayaStroka},
                          {"DiametrPrivoda", f.DiametrPrivoda},
                          {"MomentPrivoda", f.MomentPrivoda}};
    j["clipboard"] = text(QGuiApplication::clipboard()->text());
    // The focus: the control whose widget holds it or holds the widget that does.
    std::string focus;
    for (const QWidget* w = window_->focusWidget(); w && focus.empty(); w = w->parentWidget())
        if (fieldByName(text(w->objectName())))
            focus = text(w->objectName());
    j["focus"] = focus;
    return j;
}

void WindowFixture::expectWidgetsShowState() {
    const Json shown = shownState();
    const Json held = dumpState(window_->form(), text(QGuiApplication::clipboard()->text()));
    for (const auto& [name, value] : held.items())
        EXPECT_EQ(shown.value(name, Json()), value) << name << " shows otherwise";
}

} // namespace kavro::window
