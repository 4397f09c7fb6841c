// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <optional>

namespace kavro::window {

// The questions a document window puts to the user and the files it asks
// for. The desktop's dialogs by default; tests put in answers, so that no
// modal loop ever waits for a person.
struct DocumentDialogs {
    // Runs a prepared question and returns the button pressed.
    std::function<QMessageBox::StandardButton(QMessageBox&)> ask;
    // Runs a prepared dialog of the program's own and returns how it was
    // left (QDialog::Accepted or Rejected).
    std::function<int(QDialog&)> run;
    // The file to open, or an empty text when the user cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& filter)>
        chooseOpen;
    // Where to save, starting from `suggested`; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& suggested,
                          const QString& filter)>
        chooseSave;
    // A line of text, starting from `text`; none when cancelled.
    std::function<std::optional<QString>(QWidget* parent, const QString& caption,
                                         const QString& label, const QString& text)>
        askText;

    // Fills every dialog left empty with the desktop's own.
    void fillWithDesktop();
};

} // namespace kavro::window
