// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Nothing lost: unsaved work is autosaved, offered back after a kill, and
// two windows at once keep their own autosaves.

#include "order_window_fixture.h"
#include "orderio/order_file.h"
#include "qt_text.h"

#include <QDir>

namespace kavro::window {
namespace {

class AutosaveTest : public OrderWindowFixture {
protected:
    QStringList autosaves() const {
        return QDir(autosaveFolder()).entryList({QStringLiteral("*.kavro")}, QDir::Files);
    }
};

TEST_F(AutosaveTest, WorkKilledUnsavedIsOfferedBackAtTheNextStart) {
    chooseFile(path(QStringLiteral("house.kavro")));
    trigger("actionSaveAs");
    typeInto(Field::Wirina, QStringLiteral("1700"));
    const Order unsaved = window().document().order();
    killWindow();
    ASSERT_EQ(autosaves().size(), 1);

    // The next start: the question, then the work as it was, still unsaved
    // and belonging to its file.
    openWindow();
    answer(QMessageBox::Yes);
    ASSERT_TRUE(window().offerRestore());
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_TRUE(questions_[0].contains(path(QStringLiteral("house.kavro"))));
    EXPECT_EQ(window().document().order(), unsaved);
    EXPECT_TRUE(window().isWindowModified());
    EXPECT_EQ(window().currentFile(), path(QStringLiteral("house.kavro")));
    expectListAndFormInStep();
    EXPECT_EQ(autosaves().size(), 1) << "only this window's own, the old one taken";

    // Saved, the autosave goes; nothing is offered again.
    trigger("actionSave");
    EXPECT_TRUE(autosaves().isEmpty());
}

TEST_F(AutosaveTest, DeclinedWorkIsRemovedAndACleanCloseLeavesNothing) {
    typeInto(Field::Wirina, QStringLiteral("1700"));
    killWindow();
    openWindow();
    answer(QMessageBox::No);
    EXPECT_FALSE(window().offerRestore());
    EXPECT_TRUE(autosaves().isEmpty());

    typeInto(Field::Wirina, QStringLiteral("1900"));
    window().autosaveNow();
    EXPECT_EQ(autosaves().size(), 1);
    answer(QMessageBox::Discard);
    EXPECT_TRUE(window().close());
    EXPECT_TRUE(autosaves().isEmpty());
}

TEST_F(AutosaveTest, SwitchingOpeningsAutosavesAndTwoWindowsKeepTheirOwn) {
    trigger("actionAddOpening");
    typeInto(Field::Wirina, QStringLiteral("800"));
    chooseOpening(0);
    ASSERT_TRUE(window().autosave().hasFile()) << "written on the switch";
    EXPECT_EQ(OrderFile::read(toUtf8(window().autosave().orderPath())),
              window().document().order());

    // A second window on the same folder, with work of its own.
    OrderWindow second(seams());
    EXPECT_FALSE(second.offerRestore()) << "the first window lives";
    Order other;
    other.title = "Другой";
    second.session().replaceOrder(other, true);
    second.autosaveNow();

    EXPECT_EQ(autosaves().size(), 2);
    EXPECT_NE(second.autosave().orderPath(), window().autosave().orderPath());
    EXPECT_EQ(OrderFile::read(toUtf8(second.autosave().orderPath())).title, "Другой");
    EXPECT_EQ(OrderFile::read(toUtf8(window().autosave().orderPath())).openings.size(), 2u);
}

} // namespace
} // namespace kavro::window
