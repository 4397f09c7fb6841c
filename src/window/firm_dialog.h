// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/firm/firm_details.h"

#include <QDialog>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <variant>

class QCheckBox;
class QLineEdit;

namespace kavro::window {

// What is wrong with the logo at `path` as the window sees it: the check
// the command-line tools make (PNG or JPEG, at most 2 MB), then the whole
// picture decoded; nothing when it is a picture.
std::optional<QString> logoProblem(const QString& path);

// Импорт реквизитов: the details of the file at `path`, either the page's
// archive (firm.json with its logo, whose bytes the details then hold) or a
// firm.json (its logo a file beside it); or why it is refused, in the
// user's words, the logo decoded whole as when it is chosen.
std::variant<FirmDetails, QString> importedFirm(const QString& path);

// The details as they are kept: a logo held as bytes (an import's) is
// written into `folder`, under its name, and named by its path there.
// Throws FirmFileError when it cannot be written.
FirmDetails withLogoFile(FirmDetails details, const std::filesystem::path& folder);

// Реквизиты организации: the firm's details for the letterhead and the
// quotation's prices. OK takes them only when they can be saved as they
// are; a fault is told and the dialog stays open.
class FirmDialog : public QDialog {
public:
    // `chooseLogo` asks for an image file, `chooseImport` for a details
    // file to import; empty when cancelled.
    FirmDialog(QWidget* parent, const FirmDetails& details,
               std::function<QString(QWidget*)> chooseLogo,
               std::function<QString(QWidget*)> chooseImport = {});

    const FirmDetails& details() const { return details_; }
    void accept() override;

private:
    void pickLogo();
    void importDetails();
    void fill(const FirmDetails& details);
    // The details as typed; none after a fault was told.
    std::optional<FirmDetails> typed();
    void tell(const QString& text);

    FirmDetails details_;
    std::function<QString(QWidget*)> chooseLogo_;
    std::function<QString(QWidget*)> chooseImport_;
    // An imported logo's bytes, kept while the logo field shows its name.
    std::string importedLogo_;
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
