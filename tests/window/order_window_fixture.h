// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/recording_services.h"
#include "core/platform/recording_word_processor.h"
#include "order_window.h"

#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace kavro::window {

// The document window on the offscreen platform, with its settings and its
// autosaves in a temporary folder. Every dialog is answered from what the
// test announced: a question, a file to choose or an error box that the test
// did not expect fails it, so that the suite never waits for a person.
class OrderWindowFixture : public testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    // A fresh window on the same folders, shown and started; the previous
    // one, if any, goes without a question.
    void openWindow();
    // The window goes as after a kill: nothing is asked, nothing cleaned up.
    // Its autosave and lock file stay, the lock marked as of a dead process.
    void killWindow();

    OrderWindow& window() { return *window_; }
    QString path(const QString& name) const { return folder_.filePath(name); }
    QString autosaveFolder() const { return folder_.filePath(QStringLiteral("autosave")); }

    // The answers to come, in order.
    void answer(QMessageBox::StandardButton button) { answers_.push_back(button); }
    void chooseFile(const QString& file) { files_.push_back(file); }
    void expectErrors(int count) { expectedErrors_ += count; }
    // The text typed into the next text question; none: it is cancelled.
    void answerText(std::optional<QString> text) {
        texts_.emplace_back(text.has_value(), text.value_or(QString()));
    }
    // What the user does in the next dialog of the program's own; returns
    // how the dialog was left.
    void answerDialog(std::function<int(QDialog&)> answer) {
        dialogs_.push_back(std::move(answer));
    }
    // Where the window keeps the loaded price list.
    QString pricesFile() const { return folder_.filePath(QStringLiteral("config/prices.csv")); }
    QString firmFile() const { return folder_.filePath(QStringLiteral("config/firm.json")); }

    // The user's doings through the real widgets and actions.
    void trigger(const char* actionName);
    void typeInto(Field field, const QString& text);
    void clickDriveRow(int row);
    void chooseOpening(int row);

    // The openings' widths in order, separated by spaces.
    std::string widths() const;
    // The texts the list shows for a row, column by column.
    QStringList listRow(int row) const;
    // Every row shows what the order file's own computation gives for its
    // opening, and the form shows the current opening with exactly those
    // results.
    void expectListAndFormInStep();

    std::vector<QString> questions_; // the questions asked, in order
    std::vector<QString> errors_;    // the error boxes shown, in order

protected:
    // Every dialog answered from the announcements, in the test's folders.
    OrderWindowSeams seams();

private:
    QTemporaryDir folder_;
    RecordingUrlOpener urlOpener_;
    RecordingWordProcessorLauncher wordProcessor_;
    std::unique_ptr<OrderWindow> window_;
    std::deque<QMessageBox::StandardButton> answers_;
    std::deque<QString> files_;
    std::deque<std::pair<bool, QString>> texts_; // typed, or cancelled
    std::deque<std::function<int(QDialog&)>> dialogs_;
    int expectedErrors_ = 0;
};

} // namespace kavro::window
