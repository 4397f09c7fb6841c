// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Editing keys in the text fields: each becomes the user action that the
// state knows (typed characters, Backspace, a paste), or nothing at all.

#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <functional>

namespace kavro::window {

namespace {

class EditingTest : public WindowFixture {
public:
    // Focuses the width ("1000") and sets its caret or selection with keys.
    void startInWidth(int caret, int selected) {
        clickTextEnd(Field::Wirina);
        key(Qt::Key_Home);
        for (int i = 0; i < caret; ++i)
            key(Qt::Key_Right);
        for (int i = 0; i < selected; ++i)
            key(Qt::Key_Right, Qt::ShiftModifier);
    }
};

TEST_F(EditingTest, KeysChangeTheWidthAsTheStateSays) {
    struct Row {
        const char* name;
        int caret;
        int selected;
        std::function<void(EditingTest&)> keys;
        const char* expected;
    };
    const Row rows[] = {
        {"delete takes the character after the caret", 1, 0,
         [](EditingTest& t) { t.key(Qt::Key_Delete); }, "100"},
        {"delete takes the selection", 1, 2, [](EditingTest& t) { t.key(Qt::Key_Delete); }, "10"},
        {"delete at the end changes nothing", 4, 0, [](EditingTest& t) { t.key(Qt::Key_Delete); },
         "1000"},
        {"a typed digit replaces the selection", 0, 1,
         [](EditingTest& t) { t.typeText(QStringLiteral("2")); }, "2000"},
        {"backspace takes the character before the caret", 2, 0,
         [](EditingTest& t) { t.key(Qt::Key_Backspace); }, "100"},
        {"cut takes the selection to the clipboard", 2, 2,
         [](EditingTest& t) {
             t.key(Qt::Key_X, Qt::ControlModifier);
             EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("00"));
         },
         "10"},
        {"undo is not offered", 4, 0,
         [](EditingTest& t) {
             t.typeText(QStringLiteral("5"));
             t.key(Qt::Key_Z, Qt::ControlModifier);
         },
         "10005"},
        {"word deletion is not offered", 4, 0,
         [](EditingTest& t) { t.key(Qt::Key_Backspace, Qt::ControlModifier); }, "1000"},
        {"a pasted line stops at its line break", 4, 0,
         [](EditingTest& t) {
             QGuiApplication::clipboard()->setText(QStringLiteral("5\n6"));
             t.key(Qt::Key_V, Qt::ControlModifier);
         },
         "10005"},
        {"a second comma is discarded", 1, 0,
         [](EditingTest& t) { t.typeText(QStringLiteral(",5,")); }, "1,0005"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        startInWidth(row.caret, row.selected);
        row.keys(*this);
        EXPECT_EQ(form().Wirina.text(), row.expected);
        expectWidgetsShowState();
        // Back to the start for the next row.
        key(Qt::Key_A, Qt::ControlModifier);
        typeText(QStringLiteral("1000"));
    }
}

TEST_F(EditingTest, CaretAndSelectionFollowTheKeys) {
    startInWidth(1, 2);
    EXPECT_EQ(form().Wirina.selectionStart(), 1u);
    EXPECT_EQ(form().Wirina.selectionLength(), 2u);
    typeText(QStringLiteral("5"));
    EXPECT_EQ(form().Wirina.text(), "150");
    // The change handler puts the caret at the end, and the widget shows it.
    EXPECT_EQ(textOf(Field::Wirina)->cursorPosition(), 3);
    EXPECT_FALSE(textOf(Field::Wirina)->hasSelectedText());
}

TEST_F(EditingTest, TypedShaftDiameterChoosesTheItemItEquals) {
    auto* combo = widget<QComboBox>(Field::Diametr);
    clickTextEnd(Field::Diametr);
    key(Qt::Key_A, Qt::ControlModifier);
    typeText(QStringLiteral("7"));
    EXPECT_EQ(form().Diametr.itemIndex(), -1);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->lineEdit()->text(), QStringLiteral("7"));
    typeText(QStringLiteral("0"));
    EXPECT_EQ(form().Diametr.itemIndex(), 2);
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(combo->lineEdit()->text(), QStringLiteral("70"));
    expectWidgetsShowState();
}

TEST_F(EditingTest, ArrowKeyInTheShaftDiameterPicksTheNextItem) {
    clickTextEnd(Field::Diametr);
    std::vector<std::string_view> trace;
    form().setTrace(&trace);
    key(Qt::Key_Down);
    form().setTrace(nullptr);
    EXPECT_EQ(form().Diametr.text(), "60");
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace.front(), "DiametrChange");
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "DiametrChange"), 1);
    expectWidgetsShowState();
}

} // namespace

} // namespace kavro::window
