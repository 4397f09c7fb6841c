// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_window_fixture.h"

#include "core/order/opening_calculator.h"
#include "field_grid.h"
#include "qt_text.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>

namespace kavro::window {

void OrderWindowFixture::SetUp() {
    ASSERT_TRUE(folder_.isValid());
    openWindow();
}

void OrderWindowFixture::TearDown() {
    // Destroyed, not closed: nothing is asked, whatever the test left.
    window_.reset();
    EXPECT_TRUE(answers_.empty()) << "announced answers were not asked for";
    EXPECT_TRUE(files_.empty()) << "announced files were not asked for";
    EXPECT_TRUE(texts_.empty()) << "announced texts were not asked for";
    EXPECT_TRUE(dialogs_.empty()) << "announced dialogs were not shown";
    EXPECT_EQ(static_cast<int>(errors_.size()), expectedErrors_) << "error boxes shown";
}

OrderWindowSeams OrderWindowFixture::seams() {
    OrderWindowSeams seams;
    seams.form.urlOpener = &urlOpener_;
    seams.form.wordProcessor = &wordProcessor_;
    seams.form.runDialog = [this](QMessageBox& box) {
        errors_.push_back(box.text());
        if (static_cast<int>(errors_.size()) > expectedErrors_)
            ADD_FAILURE() << "unexpected message box: " << box.text().toStdString();
    };
    seams.dialogs.ask = [this](QMessageBox& box) {
        questions_.push_back(box.text());
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected question: " << box.text().toStdString();
            return QMessageBox::Cancel;
        }
        const QMessageBox::StandardButton button = answers_.front();
        answers_.pop_front();
        EXPECT_NE(box.button(button), nullptr) << "the question has no such button";
        return button;
    };
    auto next = [this]() {
        if (files_.empty()) {
            ADD_FAILURE() << "unexpected file dialog";
            return QString();
        }
        QString file = files_.front();
        files_.pop_front();
        return file;
    };
    seams.dialogs.chooseOpen = [next](QWidget*, const QString&, const QString&) { return next(); };
    seams.dialogs.chooseSave = [next](QWidget*, const QString&, const QString&, const QString&) {
        return next();
    };
    seams.printing.askFileName = [next](QWidget*, const QString&) { return next(); };
    seams.dialogs.askText = [this](QWidget*, const QString&, const QString&, const QString&) {
        if (texts_.empty()) {
            ADD_FAILURE() << "unexpected text question";
            return std::optional<QString>();
        }
        const auto [typed, text] = texts_.front();
        texts_.pop_front();
        return typed ? std::optional<QString>(text) : std::nullopt;
    };
    seams.dialogs.run = [this](QDialog& dialog) {
        if (dialogs_.empty()) {
            ADD_FAILURE() << "unexpected dialog: " << dialog.windowTitle().toStdString();
            return static_cast<int>(QDialog::Rejected);
        }
        const auto answer = std::move(dialogs_.front());
        dialogs_.pop_front();
        return answer(dialog);
    };
    seams.pricesFile = pricesFile().toStdString();
    seams.firmFile = firmFile().toStdString();
    seams.settingsFile = folder_.filePath(QStringLiteral("settings.ini"));
    seams.autosaveFolder = autosaveFolder();
    return seams;
}

void OrderWindowFixture::openWindow() {
    window_.reset();
    window_ = std::make_unique<OrderWindow>(seams());
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    ASSERT_TRUE(window_->form().startedUp());
}

// A lock file names its process; one named after a process that no longer
// runs is what a kill leaves behind.
void OrderWindowFixture::killWindow() {
    window_->autosaveNow();
    const QString base = window_->autosave().orderPath().chopped(6);
    QFile lock(base + QStringLiteral(".lock"));
    ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = lock.readAll().split('\n');
    lock.close();
    const QString kept = path(QStringLiteral("kept"));
    for (const QString& suffix : {QStringLiteral(".kavro"), QStringLiteral(".source")})
        ASSERT_TRUE(QFile::copy(base + suffix, kept + suffix));
    window_.reset(); // cleans up as a clean close would ...
    // ... so what a kill leaves is put back, the lock naming a dead process.
    for (const QString& suffix : {QStringLiteral(".kavro"), QStringLiteral(".source")})
        ASSERT_TRUE(QFile::rename(kept + suffix, base + suffix));
    ASSERT_FALSE(lines.isEmpty());
    lines[0] = QByteArray::number(0x7FFFFFFF); // beyond any process id
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(lines.join('\n'));
}

void OrderWindowFixture::trigger(const char* actionName) {
    auto* action = window_->findChild<QAction*>(QString::fromLatin1(actionName));
    ASSERT_NE(action, nullptr) << actionName;
    ASSERT_TRUE(action->isEnabled()) << actionName;
    action->trigger();
}

// A click into the field, all its text selected and the new text typed over
// it, as a user does.
void OrderWindowFixture::typeInto(Field field, const QString& text) {
    QWidget* shown = window_->findChild<QWidget*>(toQString(fieldName(field)));
    auto* edit = field == Field::Diametr ? static_cast<QComboBox*>(shown)->lineEdit()
                                         : static_cast<QLineEdit*>(shown);
    const QPoint inside(edit->width() - 4, edit->height() / 2);
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      edit->mapTo(window_.get(), inside));
    ASSERT_TRUE(edit->hasFocus()) << fieldName(field);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

void OrderWindowFixture::clickDriveRow(int row) {
    auto* grid = window_->findChild<FieldGrid*>(QStringLiteral("Spisok"));
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      grid->mapTo(window_.get(), grid->cellRect(1, row).center()));
}

void OrderWindowFixture::chooseOpening(int row) {
    OpeningTable* table = window_->dock().table();
    const QRect cell = table->visualRect(table->model()->index(row, OpeningListModel::Size));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

std::string OrderWindowFixture::widths() const {
    std::string all;
    for (const Opening& opening : window_->document().order().openings)
        all += (all.empty() ? "" : " ") + opening.inputs.width;
    return all;
}

QStringList OrderWindowFixture::listRow(int row) const {
    QStringList texts;
    const QAbstractItemModel* model = window_->dock().table()->model();
    for (int column = 0; column < model->columnCount(); ++column)
        texts << model->index(row, column).data().toString();
    return texts;
}

void OrderWindowFixture::expectListAndFormInStep() {
    const OrderDocument& document = window_->document();
    ASSERT_EQ(window_->dock().table()->model()->rowCount(), static_cast<int>(document.size()));
    for (std::size_t i = 0; i < document.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "opening " << i + 1);
        const Opening& opening = document.opening(i);
        const OpeningResults computed = OpeningCalculator::compute(opening);
        const QStringList expected{QString::number(i + 1),
                                   toQString(opening.location),
                                   QString::number(opening.count),
                                   toQString(opening.inputs.width + " × " + opening.inputs.height),
                                   toQString(computed.driveArticle),
                                   toQString(computed.torque)};
        EXPECT_EQ(listRow(static_cast<int>(i)), expected);
        if (i == window_->session().current()) {
            EXPECT_EQ(OpeningCalculator::capture(window_->form().form()), opening.inputs);
            EXPECT_EQ(OpeningCalculator::read(window_->form().form(), opening), computed);
            EXPECT_EQ(window_->dock().table()->currentIndex().row(), static_cast<int>(i));
        }
    }
}

} // namespace kavro::window
