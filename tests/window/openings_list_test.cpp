// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The list of openings beside the form: the form always shows the current
// opening, every change in it shows in the list at once, and each row shows
// what the order's own computation gives.

#include "order_window_fixture.h"
#include "orderio/order_file.h"
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
        {"copy", [](auto& t) { t.trigger("actionCopyOpening"); }, "1500 1000 1000", 2},
        {"copy's width", [](auto& t) { t.typeInto(Field::Wirina, QStringLiteral("700")); },
         "1500 1000 700", 2},
        {"first chosen", [](auto& t) { t.chooseOpening(0); }, "1500 1000 700", 0},
        {"first deleted", [](auto& t) { t.trigger("actionRemoveOpening"); }, "1000 700", 0},
        {"last chosen", [](auto& t) { t.chooseOpening(1); }, "1000 700", 1},
        {"last deleted", [](auto& t) { t.trigger("actionRemoveOpening"); }, "1000", 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act(*this);
        EXPECT_EQ(widths(), step.widths);
        EXPECT_EQ(window().session().current(), step.current);
        expectListAndFormInStep();
    }
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

    trigger("actionAddOpening");
    chooseOpening(0);
    EXPECT_EQ(window().form().form().VybrannayaStroka, 2) << "the chosen drive comes back";
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
    OpeningTable* table = window().dock().table();
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(table, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(table, Qt::Key_Up, Qt::ControlModifier); // already first
    EXPECT_EQ(widths(), "1300 1100 1200");
    EXPECT_EQ(window().session().current(), 0u);
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
    EXPECT_EQ(widths(), "1100 1200 1300");
    EXPECT_EQ(window().session().current(), 2u);
    expectListAndFormInStep();
    EXPECT_TRUE(window().document().modified());
}

TEST_F(OpeningsListTest, LocationCountAndAccessoriesAreEditedInPlace) {
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
    EXPECT_EQ(std::pair(box->minimum(), box->maximum()), std::pair(1, 999));

    // An accessory's quantity belongs to its opening and comes back with it.
    auto quantity = [this] {
        return qobject_cast<QSpinBox*>(window().dock().accessories()->cellWidget(0, 2));
    };
    ASSERT_NE(quantity(), nullptr);
    EXPECT_EQ(std::pair(quantity()->minimum(), quantity()->maximum()), std::pair(0, 999));
    quantity()->setValue(4);
    const std::string article = toUtf8(window().dock().accessories()->item(0, 0)->text());
    EXPECT_EQ(window().document().opening(0).accessories,
              (std::vector<AccessoryQuantity>{{article, 4}}));
    trigger("actionAddOpening");
    EXPECT_EQ(quantity()->value(), 0) << "a new opening has none";
    chooseOpening(0);
    EXPECT_EQ(quantity()->value(), 4);
}

TEST_F(OpeningsListTest, ADriveNoLongerOfferedIsToldInWordsAndKept) {
    Order order;
    order.openings.resize(2);
    order.openings[1].drive = "9999999";
    const QString file = path(QStringLiteral("old.kavro"));
    OrderFile::save(order, toUtf8(file));
    ASSERT_TRUE(window().openFile(file));
    chooseOpening(1);
    QLabel* problems = window().dock().problems();
    EXPECT_TRUE(problems->isVisibleTo(&window()));
    EXPECT_TRUE(problems->text().contains(QStringLiteral("9999999"))) << toUtf8(problems->text());
    expectListAndFormInStep();
    EXPECT_EQ(window().document().opening(1).drive, "9999999") << "kept";
}

TEST_F(OpeningsListTest, TheListShowsItselfForASecondOpeningBesideTheUnchangedForm) {
    QDockWidget& dock = window().dock();
    EXPECT_FALSE(dock.isVisible());
    const char* places[] = {"Кухня", "Гостиная", "Гараж"};
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            trigger("actionAddOpening");
        EXPECT_EQ(dock.isVisible(), i > 0);
        typeInto(Field::Wirina, QString::number(1200 + 700 * i));
        window().dock().model()->setData(
            window().dock().model()->index(i, OpeningListModel::Location),
            QString::fromUtf8(places[i]));
    }
    EXPECT_EQ(window().dockWidgetArea(&dock), Qt::RightDockWidgetArea);
    QTest::keyClick(&window(), Qt::Key_F9);
    EXPECT_FALSE(dock.isVisible());
    QTest::keyClick(&window(), Qt::Key_F9);
    // The form keeps its size and its controls their places.
    EXPECT_EQ(window().form().size(), MainWindow::kClientSize);
    EXPECT_EQ(window().findChild<QWidget*>(QStringLiteral("Button1"))->geometry(),
              QRect(731, 516, 145, 33));

    // A picture of it for the documentation.
    chooseOpening(1);
    window().resize(window().sizeHint());
    const QImage shot = window().grab().toImage();
    EXPECT_TRUE(shot.save(QStringLiteral(KAVRO_TEST_OUTPUT_DIR "/order-window.png")));
    // The list is drawn right of the form: not one flat colour there.
    const QImage list = shot.copy(window().dock().geometry());
    EXPECT_GT(list.convertToFormat(QImage::Format_Indexed8).colorCount(), 2);
}

// A change that is not the user's (another device, a file merged in) goes
// through the session alone: the list, and the form when it shows that
// opening, show it at once.
TEST_F(OpeningsListTest, AChangeFromElsewhereShowsInTheListAndTheFormAtOnce) {
    trigger("actionAddOpening");
    const OrderDocument& document = window().document();
    for (const auto& [row, width] : {std::pair{1, "1200"}, std::pair{0, "1300"}}) {
        SCOPED_TRACE(row);
        Opening changed = document.opening(row);
        changed.inputs.width = width;
        const std::string id = document.openingId(row);
        ASSERT_EQ(window().session().replaceOpening(id, changed).kind, ActionResult::Kind::Done);
        EXPECT_EQ(listRow(row)[OpeningListModel::Size],
                  QString::fromUtf8(width) + QStringLiteral(" × 2000"));
        expectListAndFormInStep();
    }
    EXPECT_EQ(widths(), "1300 1200");
    EXPECT_EQ(window().form().form().Wirina.text(), "1200") << "the form kept its own opening";
}

} // namespace
} // namespace kavro::window
