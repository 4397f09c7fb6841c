#include "window_fixture.h"

#include "field_grid.h"
#include "radio_group_box.h"

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

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

void expectEdit(const QLineEdit* edit, const EditField& state) {
    SCOPED_TRACE(fieldName(state.id()).data());
    EXPECT_EQ(edit->text(), q(state.text()));
    EXPECT_EQ(edit->isEnabled(), state.enabled());
    EXPECT_EQ(edit->isReadOnly(), state.readOnly());
}

void expectDropDown(const QComboBox* combo, const DropDown& state) {
    SCOPED_TRACE(fieldName(state.id()).data());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    QStringList expected;
    for (const std::string& item : state.items())
        expected << q(item);
    EXPECT_EQ(items, expected);
    EXPECT_EQ(combo->currentIndex(), state.itemIndex());
    EXPECT_EQ(combo->currentText(), q(state.text()));
    EXPECT_EQ(combo->isEnabled(), state.enabled());
}

void expectRadioGroup(const RadioGroupBox* group, const RadioGroup& state) {
    SCOPED_TRACE(fieldName(state.id()).data());
    ASSERT_EQ(group->count(), static_cast<int>(state.items().size()));
    for (int i = 0; i < group->count(); ++i) {
        EXPECT_EQ(group->button(i)->text(), q(state.items()[static_cast<std::size_t>(i)]));
        EXPECT_EQ(group->button(i)->isChecked(), i == state.itemIndex()) << "item " << i;
        EXPECT_EQ(group->button(i)->isEnabled(), state.itemEnabled(i)) << "item " << i;
    }
}

void expectGrid(const FieldGrid* grid, const TextGrid& state, const QWidget* window) {
    SCOPED_TRACE(fieldName(state.id()).data());
    EXPECT_EQ(grid->isVisibleTo(window), state.visible());
    ASSERT_EQ(grid->rowCount() + 1, state.rowCount());
    for (int r = 0; r < state.rowCount(); ++r)
        for (int c = 0; c < state.columnCount(); ++c)
            EXPECT_EQ(grid->cellText(c, r), q(state.cell(c, r))) << "cell " << c << "," << r;
    EXPECT_EQ(grid->currentRow() + 1, state.currentRow());
    EXPECT_EQ(grid->currentColumn(), state.currentColumn());
}

} // namespace

void WindowFixture::SetUp() {
    QGuiApplication::clipboard()->clear();
    WindowSeams seams;
    seams.urlOpener = &urlOpener_;
    seams.runDialog = [this](QMessageBox& box) {
        shownBoxes_.push_back({box.windowTitle(), box.text(), box.icon(), box.standardButtons()});
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

void WindowFixture::expectWidgetsShowState() {
    const TForm1& f = form();
    for (const EditField* e :
         {&f.Tolwina, &f.Visota, &f.Wirina, &f.Massa, &f.NizhniyProfil, &f.FullMassa, &f.Moment,
          &f.MaxDiametr, &f.Oboroti, &f.Vremya, &f.Speed})
        expectEdit(widget<QLineEdit>(e->id()), *e);
    for (const DropDown* d : {&f.Profil, &f.TipProfilya, &f.Diametr})
        expectDropDown(widget<QComboBox>(d->id()), *d);
    for (const RadioGroup* g : {&f.Montazh, &f.Upravlenie, &f.Kreplenie})
        expectRadioGroup(widget<RadioGroupBox>(g->id()), *g);

    const auto* crank = widget<QCheckBox>(Field::NHK);
    EXPECT_EQ(crank->isChecked(), f.NHK.checked());
    EXPECT_EQ(crank->isEnabled(), f.NHK.enabled());
    EXPECT_EQ(crank->text(), q(f.NHK.caption()));

    const auto* warning = widget<QLabel>(Field::Label27);
    EXPECT_EQ(warning->isVisibleTo(window_.get()), f.Label27.visible());
    EXPECT_EQ(warning->text(), q(f.Label27.caption()));

    const auto* tabs = widget<QTabWidget>(Field::TabControl1);
    EXPECT_EQ(tabs->currentIndex(), f.TabControl1.tabIndex());
    ASSERT_EQ(tabs->count(), static_cast<int>(f.TabControl1.tabs().size()));
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_EQ(tabs->tabText(i), q(f.TabControl1.tabs()[static_cast<std::size_t>(i)]));

    expectGrid(widget<FieldGrid>(Field::Spisok), f.Spisok, window_.get());
    expectGrid(widget<FieldGrid>(Field::SpisokAcc), f.SpisokAcc, window_.get());

    // The focus, and the caret of a focused text.
    const QWidget* focused = window_->focusWidget();
    ASSERT_NE(focused, nullptr);
    const QWidget* focusShown = widget(f.focus());
    EXPECT_TRUE(focused == focusShown || focusShown->isAncestorOf(focused))
        << "focus on " << focused->objectName().toStdString() << ", state has "
        << fieldName(f.focus());
}

} // namespace kavro::window
