// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Orders saved and opened through the window's menu: the round trip, the
// title, the recent files, and errors that change nothing.

#include "order_window_fixture.h"
#include "orderio/order_file.h"
#include "qt_text.h"

#include <QFile>
#include <QMenu>
#include <QProcess>

namespace kavro::window {
namespace {

const QString kCaption = QStringLiteral("KAVRO подбор привода v.1.1");

using OrderFilesTest = OrderWindowFixture;

TEST_F(OrderFilesTest, ASavedOrderReopensToTheSameOpeningsAndResults) {
    // Three openings, each with its own width.
    typeInto(Field::Wirina, QStringLiteral("900"));
    trigger("actionAddOpening");
    typeInto(Field::Wirina, QStringLiteral("1800"));
    typeInto(Field::Visota, QStringLiteral("2400"));
    trigger("actionAddOpening");
    typeInto(Field::Wirina, QStringLiteral("2600"));
    const Order entered = window().document().order();
    EXPECT_EQ(window().windowTitle(), kCaption) << "no file yet";

    chooseFile(path(QStringLiteral("Дом")));
    trigger("actionSave");
    const QString file = path(QStringLiteral("Дом.kavro"));
    EXPECT_EQ(window().currentFile(), file);
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Дом.kavro[*] — ") + kCaption);
    EXPECT_FALSE(window().isWindowModified());
    EXPECT_EQ(OrderFile::read(toUtf8(file)), entered);

    openWindow(); // nothing unsaved: no question
    ASSERT_TRUE(window().openFile(file));
    EXPECT_EQ(window().document().order(), entered);
    EXPECT_FALSE(window().document().modified());
    EXPECT_TRUE(window().dock().isVisible()) << "more than one opening";
    expectListAndFormInStep();
}

// The order report as a PDF from the menu: every opening and the parts list,
// without a word processor.
TEST_F(OrderFilesTest, OrderReportIsWrittenAsPdf) {
    typeInto(Field::Wirina, QStringLiteral("900"));
    trigger("actionAddOpening");
    typeInto(Field::Wirina, QStringLiteral("2600"));
    const QString file = path(QStringLiteral("заказ.pdf"));
    chooseFile(file);
    trigger("actionOrderPdf");
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), file, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString shown = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString& line : {QStringLiteral("Ведомость комплектующих"),
                                QStringLiteral("Проём № 2"), QStringLiteral("2600 мм")})
        EXPECT_TRUE(shown.contains(line)) << line.toStdString();
}

TEST_F(OrderFilesTest, FilesThatCannotBeReadOrWrittenAreNamedAndNothingChanges) {
    typeInto(Field::Wirina, QStringLiteral("1300"));
    const Order before = window().document().order();
    struct Row {
        const char* name;
        const char* action;
        QString file;
    };
    QFile damaged(path(QStringLiteral("damaged.kavro")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("{\"format\": \"kavro-order\", \"versi");
    damaged.close();
    const Row rows[] = {
        {"damaged", "actionOpen", path(QStringLiteral("damaged.kavro"))},
        {"missing", "actionOpen", path(QStringLiteral("missing.kavro"))},
        {"unwritable", "actionSaveAs", path(QStringLiteral("no-folder/order.kavro"))},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (QString::fromLatin1(row.action) == QStringLiteral("actionOpen"))
            answer(QMessageBox::Discard); // the unsaved width is not kept
        chooseFile(row.file);
        expectErrors(1);
        trigger(row.action);
        ASSERT_FALSE(errors_.empty());
        EXPECT_TRUE(errors_.back().contains(QFileInfo(row.file).fileName()))
            << errors_.back().toStdString();
        EXPECT_EQ(window().document().order(), before);
        EXPECT_TRUE(window().document().modified());
        EXPECT_EQ(window().windowTitle(), kCaption);
    }
}

TEST_F(OrderFilesTest, RecentFilesAreRememberedAndAMissingOneIsRemovedWithAMessage) {
    chooseFile(path(QStringLiteral("first.kavro")));
    trigger("actionSaveAs");
    chooseFile(path(QStringLiteral("second.kavro")));
    trigger("actionSaveAs");
    openWindow(); // the list comes from the settings
    QMenu* recent = window().actions().recentMenu;
    ASSERT_EQ(recent->actions().size(), 2);
    EXPECT_EQ(recent->actions()[0]->data().toString(), path(QStringLiteral("second.kavro")));

    ASSERT_TRUE(QFile::remove(path(QStringLiteral("second.kavro"))));
    expectErrors(1);
    recent->actions()[0]->trigger();
    EXPECT_TRUE(errors_.back().contains(path(QStringLiteral("second.kavro"))));
    ASSERT_EQ(recent->actions().size(), 1);
}

} // namespace
} // namespace kavro::window
