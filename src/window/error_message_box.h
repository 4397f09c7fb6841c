// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/services.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace kavro::window {

// Shows an error that ended a user's action: a modal message box with the
// critical icon and an OK button over the window.
class ErrorMessageBox : public MessageBox {
public:
    // Runs a prepared box: QMessageBox::exec by default. Tests put in one
    // that answers at once, so that no modal loop waits for a person.
    using Runner = std::function<void(QMessageBox&)>;

    explicit ErrorMessageBox(QWidget* owner, Runner runner = {});

    // Runs just before a box appears, so that the window behind it already
    // shows what the failed action left.
    void setBeforeShow(std::function<void()> beforeShow) { beforeShow_ = std::move(beforeShow); }

    // While muted, nothing is shown: the caller reports what went wrong in
    // its own way (the order lists an opening's problems).
    void setMuted(bool muted) { muted_ = muted; }

    void showStop(const std::string& title, const std::string& text) override;

private:
    QPointer<QWidget> owner_;
    Runner runner_;
    std::function<void()> beforeShow_;
    bool muted_ = false;
};

} // namespace kavro::window
