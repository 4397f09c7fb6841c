// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "firm_dialog.h"

#include "jpeg_decoder.h"
#include "orderio/firm_entry.h"
#include "orderio/logo_check.h"
#include "qt_text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace kavro::window {

namespace {

QLineEdit* row(QFormLayout* form, const QString& label, const std::string& text, const char* name) {
    auto* edit = new QLineEdit(toQString(text));
    edit->setObjectName(QString::fromLatin1(name));
    form->addRow(label, edit);
    return edit;
}

} // namespace

std::optional<QString> logoProblem(const QString& path) {
    if (const auto fault = logoFileFault(path.toStdString()))
        return toQString(*fault);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("не удалось прочитать логотип");
    const QByteArray bytes = file.readAll();
    const bool jpeg = bytes.startsWith("\xFF\xD8");
    const QImage image = jpeg ? decodeJpeg(bytes) : QImage::fromData(bytes, "PNG");
    if (image.isNull())
        return toQString(kUndecodableLogo);
    return std::nullopt;
}

FirmDialog::FirmDialog(QWidget* parent, const FirmDetails& details,
                       std::function<QString(QWidget*)> chooseLogo)
    : QDialog(parent), details_(details), chooseLogo_(std::move(chooseLogo)) {
    setWindowTitle(QStringLiteral("Реквизиты организации"));
    auto* form = new QFormLayout;
    name_ = row(form, QStringLiteral("Название:"), details.name, "firmName");
    address_ = row(form, QStringLiteral("Адрес:"), details.address, "firmAddress");
    phone_ = row(form, QStringLiteral("Телефон:"), details.phone, "firmPhone");
    email_ = row(form, QStringLiteral("E-mail:"), details.email, "firmEmail");
    website_ = row(form, QStringLiteral("Сайт:"), details.website, "firmWebsite");
    inn_ = row(form, QStringLiteral("ИНН:"), details.inn, "firmInn");
    kpp_ = row(form, QStringLiteral("КПП:"), details.kpp, "firmKpp");

    logo_ = new QLineEdit(toQString(details.logo.string()));
    logo_->setObjectName(QStringLiteral("firmLogo"));
    logo_->setReadOnly(true);
    auto* choose = new QPushButton(QStringLiteral("Выбрать…"));
    auto* remove = new QPushButton(QStringLiteral("Убрать"));
    auto* logoRow = new QHBoxLayout;
    logoRow->addWidget(logo_, 1);
    logoRow->addWidget(choose);
    logoRow->addWidget(remove);
    form->addRow(QStringLiteral("Логотип:"), logoRow);
    connect(choose, &QPushButton::clicked, this, [this] { pickLogo(); });
    connect(remove, &QPushButton::clicked, this, [this] { logo_->clear(); });

    installationPrice_ = row(form, QStringLiteral("Монтаж одного проёма, руб.:"),
                             moneyText(details.installationPrice), "firmInstallation");
    vatRate_ = row(form, QStringLiteral("Ставка НДС, %:"),
                   percentText(details.vat.value_or(Percent{2000})), "firmVat");
    noVat_ = new QCheckBox(QStringLiteral("Без НДС"));
    noVat_->setObjectName(QStringLiteral("firmNoVat"));
    noVat_->setChecked(!details.vat);
    vatRate_->setEnabled(details.vat.has_value());
    connect(noVat_, &QCheckBox::toggled, vatRate_, [this](bool on) { vatRate_->setEnabled(!on); });
    form->addRow(QString(), noVat_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(520);
}

// A logo is checked when it is chosen, so that a wrong file never reaches
// a paper; a refused one leaves the previous logo.
void FirmDialog::pickLogo() {
    const QString path = chooseLogo_ ? chooseLogo_(this) : QString();
    if (path.isEmpty())
        return;
    if (const auto problem = logoProblem(path)) {
        tell(toQString(logoRefusal(toUtf8(path), toUtf8(*problem))));
        return;
    }
    logo_->setText(path);
}

std::optional<FirmDetails> FirmDialog::typed() {
    const FirmEntry entry{.name = toUtf8(name_->text().trimmed()),
                          .address = toUtf8(address_->text().trimmed()),
                          .phone = toUtf8(phone_->text().trimmed()),
                          .email = toUtf8(email_->text().trimmed()),
                          .website = toUtf8(website_->text().trimmed()),
                          .inn = toUtf8(inn_->text().trimmed()),
                          .kpp = toUtf8(kpp_->text().trimmed()),
                          .logo = logo_->text().toStdString(),
                          .installationPrice = toUtf8(installationPrice_->text()),
                          .vatRate = toUtf8(vatRate_->text()),
                          .noVat = noVat_->isChecked()};
    auto firm = firmFromEntry(entry);
    if (auto* reason = std::get_if<std::string>(&firm)) {
        tell(toQString(*reason));
        return std::nullopt;
    }
    return std::get<FirmDetails>(firm);
}

void FirmDialog::accept() {
    if (const auto firm = typed()) {
        details_ = *firm;
        QDialog::accept();
    }
}

void FirmDialog::tell(const QString& text) {
    QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box.exec();
}

} // namespace kavro::window
