// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>

namespace kavro::window {

void DocumentDialogs::fillWithDesktop() {
    if (!ask)
        ask = [](QMessageBox& box) { return static_cast<QMessageBox::StandardButton>(box.exec()); };
    if (!run)
        run = [](QDialog& dialog) { return dialog.exec(); };
    if (!chooseOpen) {
        chooseOpen = [](QWidget* parent, const QString& caption, const QString& filter) {
            return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
        };
    }
    if (!chooseSave) {
        chooseSave = [](QWidget* parent, const QString& caption, const QString& suggested,
                        const QString& filter) {
            return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
        };
    }
    if (!askText) {
        askText = [](QWidget* parent, const QString& caption, const QString& label,
                     const QString& text) -> std::optional<QString> {
            bool ok = false;
            QString answer =
                QInputDialog::getText(parent, caption, label, QLineEdit::Normal, text, &ok);
            if (!ok)
                return std::nullopt;
            return answer;
        };
    }
}

} // namespace kavro::window
