// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The list of openings beside the form: the form always shows the current
// opening, every change in it shows in the list at once, and each row shows
// what the order's own computation gives.

#include "order_window_fixture.h"
#include "qt_text.h"

#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace kavro::window {
namespace {

class OpeningsListTest : public OrderWindowFixture {
protected:
    // Text of any script, one key press each, as a keyboard layout sends it.
    static void typeWords(QWidget* target, const QString& text) {
        for (const QChar character : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QApplication::sendEvent(target, &press);
        }
    }
};

TEST_F(OpeningsListTest, ListAndFormStayInStepThroughEditsSwitchesCopiesAndDeletes) {
    struct Step {
        const char* name;
        std::function<void(OpeningsListTest&)> act;
        std::string widths; // the openings' widths, in order
        std::size_t current;
    };
    const Step steps[] = {
        {"width typed", [](auto& t) { t.typeInto(Field::Wirina, QStringLiteral("1500")); }, "1500",
         0},
        {"new opening", [](auto& t) { t.trigger("actionAddOpening"); }, "1500 1000", 1},
        {"its width", [](auto& t) { t.typeInto(Field::Wirina, QStringLiteral("700")); }, "1500 700",
         1},
        {"copy", [](auto& t) { t.trigger("actionCopyOpening"); }, "1500 700 700", 2},
        {"copy's height", [](auto& t) { t.typeInto(Field::Visota, QStringLiteral("2500")); },
         "1500 700 700", 2},
        {"first chosen", [](auto& t) { t.chooseOpening(0); }, "1500 700 700", 0},
        {"first deleted", [](auto& t) { t.trigger("actionRemoveOpening"); }, "700 700", 0},
        {"last chosen", [](auto& t) { t.chooseOpening(1); }, "700 700", 1},
        {"last deleted", [](auto& t) { t.trigger("actionRemoveOpening"); }, "700", 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act(*this);
        std::string widths;
        for (const Opening& opening : window().document().order().openings)
            widths += (widths.empty() ? "" : " ") + opening.inputs.width;
        EXPECT_EQ(widths, step.widths);
        EXPECT_EQ(window().document().current(), step.current);
        expectListAndFormInStep();
    }
    EXPECT_EQ(window().document().opening(0).inputs.height, "2000")
        << "the copy's height went with the copy";
    EXPECT_FALSE(window().actions().removeOpening->isEnabled()) << "the only opening";
}

TEST_F(OpeningsListTest, ADrivePressedInTheFormIsTheOpeningsUntilItsInputsChange) {
    // A 60 mm shaft: three drives to choose from.
    typeInto(Field::Diametr, QStringLiteral("60"));
    typeInto(Field::Wirina, QStringLiteral("1800"));
    ASSERT_GE(window().form().form().Spisok.rowCount(), 3);
    clickDriveRow(2);
    const std::string second = window().form().form().Spisok.cell(0, 2);
    EXPECT_EQ(window().document().opening(0).drive, second);
    expectListAndFormInStep();

    trigger("actionAddOpening");
    chooseOpening(0);
    EXPECT_EQ(window().form().form().VybrannayaStroka, 2) << "the chosen drive comes back";
    EXPECT_EQ(listRow(0)[OpeningListModel::Drive], toQString(second));
    expectListAndFormInStep();

    typeInto(Field::Visota, QStringLiteral("2100"));
    EXPECT_EQ(window().document().opening(0).drive, "") << "the form chose again";
    expectListAndFormInStep();
}

TEST_F(OpeningsListTest, OpeningsMoveByKeysAndByDragAndTheCurrentGoesAlong) {
    typeInto(Field::Wirina, QStringLiteral("1100"));
    trigger("actionAddOpening");
    typeInto(Field::Wirina, QStringLiteral("1200"));
    trigger("actionAddOpening");
    typeInto(Field::Wirina, QStringLiteral("1300"));
    auto widths = [this] {
        std::string all;
        for (const Opening& opening : window().document().order().openings)
            all += opening.inputs.width.substr(0, 2);
        return all;
    };
    OpeningTable* table = window().dock().table();
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(widths(), "111312");
    EXPECT_EQ(window().document().current(), 1u);
    QTest::keyClick(table, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(table, Qt::Key_Up, Qt::ControlModifier); // already first
    EXPECT_EQ(widths(), "131112");
    EXPECT_EQ(window().document().current(), 0u);
    expectListAndFormInStep();

    // A row dropped onto the last one goes there.
    QMimeData dragged;
    dragged.setData(OpeningListModel::kRowMimeType, "0");
    const QPoint last = table->visualRect(table->model()->index(2, 1)).center();
    QDragEnterEvent enter(last, Qt::MoveAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table->viewport(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(last, Qt::MoveAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table->viewport(), &drop);
    EXPECT_EQ(widths(), "111213");
    EXPECT_EQ(window().document().current(), 2u);
    expectListAndFormInStep();
    EXPECT_TRUE(window().document().modified());
}

TEST_F(OpeningsListTest, LocationAndCountAreEditedInPlaceWithinTheirRange) {
    OpeningTable* table = window().dock().table();
    window().dock().show();
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, OpeningListModel::Location));
    QTest::keyClick(table, Qt::Key_F2);
    typeWords(QApplication::focusWidget(), QStringLiteral("Кухня"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor's text is taken after the key
    EXPECT_EQ(window().document().opening(0).location, "Кухня");

    table->setCurrentIndex(table->model()->index(0, OpeningListModel::Count));
    QTest::keyClick(table, Qt::Key_F2);
    auto* box = qobject_cast<QSpinBox*>(QApplication::focusWidget());
    ASSERT_NE(box, nullptr) << "the count is edited with a spin box";
    EXPECT_EQ(box->minimum(), 1);
    EXPECT_EQ(box->maximum(), 999);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, QStringLiteral("12"));
    QTest::keyClick(box, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(window().document().opening(0).count, 12);

    QAbstractItemModel* model = table->model();
    const QModelIndex count = model->index(0, OpeningListModel::Count);
    struct Row {
        int value;
        int kept;
    };
    for (const Row& row : {Row{0, 12}, Row{1, 1}, Row{999, 999}, Row{1000, 999}}) {
        SCOPED_TRACE(row.value);
        model->setData(count, row.value);
        EXPECT_EQ(window().document().opening(0).count, row.kept);
    }
    EXPECT_TRUE(window().document().modified());
}

TEST_F(OpeningsListTest, AccessoryQuantitiesAreTheCurrentOpeningsAndComeBackWithIt) {
    QTableWidget* accessories = window().dock().accessories();
    ASSERT_GT(accessories->rowCount(), 0);
    const std::string article = toUtf8(accessories->item(0, 0)->text());
    auto* quantity = qobject_cast<QSpinBox*>(accessories->cellWidget(0, 2));
    ASSERT_NE(quantity, nullptr);
    EXPECT_EQ(quantity->maximum(), 999);
    quantity->setValue(4);
    EXPECT_EQ(window().document().opening(0).accessories,
              (std::vector<AccessoryQuantity>{{article, 4}}));

    trigger("actionAddOpening");
    auto* fresh = qobject_cast<QSpinBox*>(window().dock().accessories()->cellWidget(0, 2));
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->value(), 0) << "a new opening has none";
    chooseOpening(0);
    auto* back = qobject_cast<QSpinBox*>(window().dock().accessories()->cellWidget(0, 2));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->value(), 4);
}

TEST_F(OpeningsListTest, TheListShowsItselfForASecondOpeningAndF9TogglesIt) {
    QDockWidget& dock = window().dock();
    EXPECT_FALSE(dock.isVisible());
    EXPECT_EQ(window().dockWidgetArea(&dock), Qt::RightDockWidgetArea);
    trigger("actionAddOpening");
    EXPECT_TRUE(dock.isVisible());
    QTest::keyClick(&window(), Qt::Key_F9);
    EXPECT_FALSE(dock.isVisible());
    QTest::keyClick(&window(), Qt::Key_F9);
    EXPECT_TRUE(dock.isVisible());
    // The form keeps its size and its controls their places beside the list.
    EXPECT_EQ(window().form().size(), MainWindow::kClientSize);
    EXPECT_EQ(window().findChild<QWidget*>(QStringLiteral("Button1"))->geometry(),
              QRect(731, 516, 145, 33));
}

} // namespace
} // namespace kavro::window
