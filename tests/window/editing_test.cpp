// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Editing keys in the text fields: each becomes the user action that the
// state knows (typed characters, Backspace, a paste), or nothing at all.

#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

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

// From the caret or selection set with the arrow keys, with a clipboard: the
// keys pressed (a quote starts typed text), the width's text, the clipboard.
TEST_F(EditingTest, KeysChangeTheWidthAsTheStateSays) {
    const struct {
        const char* name;
        int caret, selected;
        const char *clipboard, *keys, *expected, *clipboardAfter;
    } rows[] = {
        {"delete takes the character after the caret", 1, 0, "", "Del", "100", ""},
        {"delete takes the selection", 1, 2, "", "Del", "10", ""},
        {"delete at the end changes nothing", 4, 0, "", "Del", "1000", ""},
        {"a typed digit replaces the selection", 0, 1, "", "'2", "2000", ""},
        {"backspace takes the character before the caret", 2, 0, "", "Backspace", "100", ""},
        {"cut takes the selection to the clipboard", 2, 2, "", "Ctrl+X", "10", "00"},
        {"undo is not offered", 4, 0, "", "'5 Ctrl+Z", "10005", ""},
        {"word deletion is not offered", 4, 0, "", "Ctrl+Backspace", "1000", ""},
        {"a pasted line stops at its line break", 4, 0, "5\n6", "Ctrl+V", "10005", "5\n6"},
        {"a second comma is discarded", 1, 0, "", "',5,", "1,0005", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QGuiApplication::clipboard()->setText(QString::fromUtf8(row.clipboard));
        startInWidth(row.caret, row.selected);
        for (const QString& press : QString::fromUtf8(row.keys).split(u' ')) {
            if (press.startsWith(u'\''))
                typeText(press.mid(1));
            else
                QTest::keySequence(QApplication::focusWidget(), QKeySequence(press));
        }
        EXPECT_EQ(form().Wirina.text(), row.expected);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(row.clipboardAfter));
        expectWidgetsShowState();
        key(Qt::Key_A, Qt::ControlModifier); // back to the start for the next row
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
