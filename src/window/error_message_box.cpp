// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "error_message_box.h"

#include "qt_text.h"

namespace kavro::window {

ErrorMessageBox::ErrorMessageBox(QWidget* owner, Runner runner)
    : owner_(owner), runner_(std::move(runner)) {
    if (!runner_)
        runner_ = [](QMessageBox& box) { box.exec(); };
}

void ErrorMessageBox::showStop(const std::string& title, const std::string& text) {
    if (muted_)
        return;
    if (beforeShow_)
        beforeShow_();
    QMessageBox box(QMessageBox::Critical, toQString(title), toQString(text), QMessageBox::Ok,
                    owner_);
    box.setTextFormat(Qt::PlainText);
    runner_(box);
}

} // namespace kavro::window
