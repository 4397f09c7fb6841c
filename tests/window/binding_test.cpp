// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The binding between widgets and state: handlers run exactly as through the
// user actions alone, errors are shown once and keep the window working, the
// focus stays on a field whose exit handler fails, and the first activation
// starts the calculator once.

#include "core/input/user_input.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

namespace kavro::window {

namespace {

using Trace = std::vector<std::string_view>;

class BindingTest : public WindowFixture {};

// The same keystroke through UserInput alone, on a fresh window that went
// through the same start and focus.
Trace traceThroughUserInput(Field field, char32_t typed) {
    RecordingServices services;
    TForm1 form(services.services());
    UserInput input(form);
    input.start();
    input.focus(field);
    input.placeCaret(field, static_cast<std::int64_t>(
                                static_cast<const EditField&>(form.control(field)).length()));
    Trace trace;
    form.setTrace(&trace);
    input.typeCharacter(field, typed);
    return trace;
}

// A digit, a comma, and a letter that the key filter discards.
TEST_F(BindingTest, KeystrokeRunsTheSameHandlersAsTheUserAction) {
    for (const char typed : {'5', ',', 'x'}) {
        SCOPED_TRACE(typed);
        clickTextEnd(Field::Wirina);
        key(Qt::Key_End);
        const Trace expected = traceThroughUserInput(Field::Wirina, static_cast<char32_t>(typed));
        Trace trace;
        form().setTrace(&trace);
        typeText(QString(QChar::fromLatin1(typed)));
        form().setTrace(nullptr);
        EXPECT_EQ(trace, expected);
        EXPECT_EQ(std::count(trace.begin(), trace.end(), "WirinaChange"), typed == 'x' ? 0 : 1);
        key(Qt::Key_A, Qt::ControlModifier); // the width back for the next row
        typeText(QStringLiteral("1000"));
    }
}

TEST_F(BindingTest, ReturnInTheShaftDiameterRunsNoHandler) {
    clickTextEnd(Field::Diametr);
    Trace trace;
    form().setTrace(&trace);
    key(Qt::Key_Return);
    key(Qt::Key_Escape);
    form().setTrace(nullptr);
    EXPECT_TRUE(trace.empty()) << trace.front();
    expectWidgetsShowState();
}

// The message quotes what the user pasted: shown as it stands, never read
// as markup.
TEST_F(BindingTest, PastedNonNumberIsShownAsPlainTextAndTheWindowGoesOn) {
    expectMessageBoxes(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("<b>7</b>"));
    clickTextEnd(Field::Wirina);
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_V, Qt::ControlModifier);

    ASSERT_EQ(shownBoxes_.size(), 1u);
    const ShownBox& box = shownBoxes_.front();
    EXPECT_EQ(box.title, QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    EXPECT_EQ(box.text, QStringLiteral("'<b>7</b>' is not a valid floating point value."));
    EXPECT_EQ(box.format, Qt::PlainText);
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    // The text the failed action left is shown; typing goes on from there.
    EXPECT_EQ(textOf(Field::Wirina)->text(), QStringLiteral("<b>7</b>"));
    key(Qt::Key_A, Qt::ControlModifier);
    typeText(QStringLiteral("600"));
    EXPECT_TRUE(form().Label27.visible()) << "the drive selection ran again";
    expectWidgetsShowState();
}

// A height that is not a number makes the width's exit handler fail when it
// puts back the width's default: the focus must stay on the width, whether
// the user leaves it by key or by clicking another control.
class FailingExitTest : public BindingTest {
protected:
    void SetUp() override {
        BindingTest::SetUp();
        // Both the pasted height and the emptied width fail in the mass.
        expectMessageBoxes(2);
        QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        clickTextEnd(Field::Visota);
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_V, Qt::ControlModifier);
        clickTextEnd(Field::Wirina);
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Backspace);
        ASSERT_EQ(form().focus(), Field::Wirina);
        ASSERT_EQ(form().Wirina.text(), "");
        expectMessageBoxes(1);
    }

    // One more box, for the one failed action; the focus stays on the width.
    void expectFocusKeptOnTheWidth() {
        EXPECT_EQ(shownBoxes_.size(), 3u);
        EXPECT_EQ(form().focus(), Field::Wirina);
        EXPECT_EQ(QApplication::focusWidget(), widget(Field::Wirina));
        expectWidgetsShowState();
    }
};

TEST_F(FailingExitTest, TabKeepsTheFocusOnTheFieldLeft) {
    key(Qt::Key_Tab);
    expectFocusKeptOnTheWidth();
    // The exit handler had put the default back before the failure.
    EXPECT_EQ(textOf(Field::Wirina)->text(), QStringLiteral("1000"));
}

TEST_F(FailingExitTest, ClickedControlDoesNothingAndTheFocusStays) {
    Trace trace;
    form().setTrace(&trace);
    click(widget<QPushButton>(Field::Button1));
    form().setTrace(nullptr);
    EXPECT_EQ(trace, (Trace{"WirinaExit", "WirinaChange", "RaschetFullMassa"}));
    expectFocusKeptOnTheWidth();
}

// The wheel changes a drop-down without a press: the pick fails on the exit
// handler, and the drop-down, which changed itself, shows the state again.
TEST_F(FailingExitTest, WheeledDropDownIsPutBack) {
    auto* maker = widget<QComboBox>(Field::Profil);
    const QPointF centre = QRectF(maker->rect()).center();
    QWheelEvent wheel(centre, maker->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(maker, &wheel);
    EXPECT_EQ(form().Profil.itemIndex(), 2);
    EXPECT_EQ(maker->currentIndex(), 2);
    expectFocusKeptOnTheWidth();
}

TEST_F(BindingTest, FirstActivationStartsTheCalculatorOnce) {
    EXPECT_EQ(form().Spisok.cell(0, 0), "Артикул");
    EXPECT_EQ(form().Montazh.itemIndex(), 0);
    Trace trace;
    form().setTrace(&trace);
    QWidget other;
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    form().setTrace(nullptr);
    EXPECT_TRUE(trace.empty());
}

TEST_F(BindingTest, LinksOpenTheirAddressAndTheButtonTypesTheReportOnce) {
    click(widget(Field::Label30));
    click(widget(Field::Label31));
    EXPECT_EQ(urlOpener_.opened,
              (std::vector<std::string>{form().Label30.url(), form().Label31.url()}));
    EXPECT_EQ(form().focus(), Field::Profil);
    click(widget<QPushButton>(Field::Button1));
    EXPECT_EQ(wordProcessor_.launches, 1);
    EXPECT_EQ(QApplication::focusWidget(), widget(Field::Button1));
}

TEST_F(BindingTest, TabFromTheProfileSkipsDisabledControls) {
    EXPECT_EQ(QApplication::focusWidget(), widget(Field::Profil));
    key(Qt::Key_Tab);
    EXPECT_EQ(form().focus(), Field::Montazh);
    std::string visited = "Montazh";
    for (int i = 0; i < 13; ++i) {
        key(Qt::Key_Tab);
        visited += " " + std::string(fieldName(form().focus()));
    }
    EXPECT_EQ(visited, "Montazh Diametr Tolwina Visota Wirina Massa NizhniyProfil Upravlenie "
                       "Kreplenie Button1 TabControl1 Spisok Profil Montazh");
}

} // namespace

} // namespace kavro::window
