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

    enum class Ask { Close, New, Open };
    struct Row {
        const char* name;
        Ask ask;
        QMessageBox::StandardButton answer;
        bool goesOn; // the window closed, or the other order came
        bool saved;
    };
    const Row rows[] = {
        {"close, save", Ask::Close, QMessageBox::Save, true, true},
        {"close, discard", Ask::Close, QMessageBox::Discard, true, false},
        {"close, cancel", Ask::Close, QMessageBox::Cancel, false, false},
        {"new, save", Ask::New, QMessageBox::Save, true, true},
        {"new, cancel", Ask::New, QMessageBox::Cancel, false, false},
        {"open, discard", Ask::Open, QMessageBox::Discard, true, false},
        {"open, cancel", Ask::Open, QMessageBox::Cancel, false, false},
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
        if (row.ask == Ask::Open && row.goesOn)
            chooseFile(other);
        bool closed = false;
        switch (row.ask) {
        case Ask::Close:
            closed = window().close();
            break;
        case Ask::New:
            trigger("actionNew");
            break;
        case Ask::Open:
            trigger("actionOpen");
            break;
        }
        ASSERT_FALSE(questions_.empty());
        EXPECT_TRUE(questions_.back().contains(QStringLiteral("Сохранить")));
        EXPECT_EQ(QFileInfo::exists(target), row.saved);
        if (row.ask == Ask::Close) {
            EXPECT_EQ(closed, row.goesOn);
        } else if (row.goesOn) {
            EXPECT_NE(window().document().order(), edited);
            EXPECT_FALSE(window().document().modified());
        }
        if (!row.goesOn) {
            EXPECT_EQ(window().document().order(), edited);
            EXPECT_TRUE(window().document().modified());
            EXPECT_EQ(window().form().form().Wirina.text(), "1234");
        }
    }
    openWindow();
    // Nothing unsaved: nothing is asked.
    const std::size_t asked = questions_.size();
    trigger("actionNew");
    EXPECT_TRUE(window().close());
    EXPECT_EQ(questions_.size(), asked);
}

} // namespace
} // namespace kavro::window
