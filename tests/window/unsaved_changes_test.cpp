// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Closing, New and Open with unsaved changes ask Сохранить / Не сохранять /
// Отмена; Отмена keeps everything as it was.

#include "order_window_fixture.h"
#include "orderio/order_file.h"
#include "qt_text.h"

#include <QPushButton>

namespace kavro::window {
namespace {

class UnsavedChangesTest : public OrderWindowFixture {};

TEST_F(UnsavedChangesTest, EachAnswerDoesWhatItSays) {
    const QString other = path(QStringLiteral("other.kavro"));
    Order saved;
    saved.openings.resize(2);
    OrderFile::save(saved, toUtf8(other));

    struct Row {
        const char* name;
        const char* action; // none: the window is closed
        QMessageBox::StandardButton answer;
        bool goesOn; // the window closed, or the other order came
    };
    const Row rows[] = {
        {"close, save", nullptr, QMessageBox::Save, true},
        {"close, cancel", nullptr, QMessageBox::Cancel, false},
        {"new, save", "actionNew", QMessageBox::Save, true},
        {"open, discard", "actionOpen", QMessageBox::Discard, true},
        {"open, cancel", "actionOpen", QMessageBox::Cancel, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openWindow();
        typeInto(Field::Wirina, QStringLiteral("1234"));
        const Order edited = window().document().order();
        const QString target = path(QString::fromUtf8(row.name) + QStringLiteral(".kavro"));
        answer(row.answer);
        if (row.answer == QMessageBox::Save)
            chooseFile(target);
        const bool opens = row.action && std::string_view(row.action) == "actionOpen";
        if (opens && row.goesOn)
            chooseFile(other);
        const bool closed = row.action ? (trigger(row.action), false) : window().close();
        ASSERT_EQ(questions_.size(), 1u);
        questions_.clear();
        EXPECT_EQ(QFileInfo::exists(target), row.answer == QMessageBox::Save);
        EXPECT_EQ(closed, row.goesOn && !row.action);
        const bool replaced = row.action && row.goesOn; // a new or the other order came
        EXPECT_EQ(window().document().order() == edited, !replaced);
        EXPECT_EQ(window().document().modified(), !replaced && row.answer != QMessageBox::Save);
    }
}

} // namespace
} // namespace kavro::window
