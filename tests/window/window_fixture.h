// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/recording_services.h"
#include "core/platform/recording_word_processor.h"
#include "main_window.h"
#include "qt_text.h"

#include <QMessageBox>
#include <gtest/gtest.h>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;

namespace kavro::window {

// What a message box showed, answered at once through the window's seam.
struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format;
};

// A fresh window per test, shown and activated (so the start-up routine has
// run), with a recording browser and every message box answered. A box that
// a test did not announce with expectMessageBoxes fails that test.
class WindowFixture : public testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    MainWindow& window() { return *window_; }
    TForm1& form() { return window_->form(); }

    template <class W = QWidget> W* widget(Field field) const {
        auto* found = window_->findChild<W*>(toQString(fieldName(field)));
        EXPECT_NE(found, nullptr) << fieldName(field);
        return found;
    }
    QLineEdit* textOf(Field field) const; // the edit field, or Diametr's text

    // The user's doings, as the desktop delivers them.
    void clickAt(QWidget* target, QPoint point, Qt::MouseButton button = Qt::LeftButton);
    void click(QWidget* target) { clickAt(target, target->rect().center()); }
    void clickTextEnd(Field field);
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void typeText(const QString& text);
    void pickFromList(Field field, int index);

    // What the widgets show, in the scripted driver's dump format; the chosen
    // drive, which no widget shows, is taken from the state.
    nlohmann::ordered_json shownState() const;
    // Checks that every widget shows exactly what the window state holds.
    void expectWidgetsShowState();

    void expectMessageBoxes(int count) { expectedBoxes_ += count; }

    RecordingUrlOpener urlOpener_;
    RecordingWordProcessorLauncher wordProcessor_;
    std::vector<ShownBox> shownBoxes_;

private:
    std::unique_ptr<MainWindow> window_;
    int expectedBoxes_ = 0;
};

} // namespace kavro::window
