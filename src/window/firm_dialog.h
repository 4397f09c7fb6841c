// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/firm/firm_details.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;

namespace kavro::window {

// What is wrong with the logo at `path` as the window sees it: the check
// the command-line tools make (PNG or JPEG, at most 2 MB), then the whole
// picture decoded; nothing when it is a picture.
std::optional<QString> logoProblem(const QString& path);

// Реквизиты организации: the firm's details for the letterhead and the
// quotation's prices. OK takes them only when they can be saved as they
// are; a fault is told and the dialog stays open.
class FirmDialog : public QDialog {
public:
    // `chooseLogo` asks for an image file; empty when cancelled.
    FirmDialog(QWidget* parent, const FirmDetails& details,
               std::function<QString(QWidget*)> chooseLogo);

    const FirmDetails& details() const { return details_; }
    void accept() override;

private:
    void pickLogo();
    // The details as typed; none after a fault was told.
    std::optional<FirmDetails> typed();
    void tell(const QString& text);

    FirmDetails details_;
    std::function<QString(QWidget*)> chooseLogo_;
    QLineEdit* name_;
    QLineEdit* address_;
    QLineEdit* phone_;
    QLineEdit* email_;
    QLineEdit* website_;
    QLineEdit* inn_;
    QLineEdit* kpp_;
    QLineEdit* logo_;
    QLineEdit* installationPrice_;
    QLineEdit* vatRate_;
    QCheckBox* noVat_;
};

} // namespace kavro::window
