// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "firm_dialog.h"

#include "jpeg_decoder.h"
#include "orderio/file_messages.h"
#include "orderio/firm_archive.h"
#include "orderio/firm_entry.h"
#include "orderio/logo_check.h"
#include "qt_text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>

namespace kavro::window {

namespace {

QLineEdit* row(QFormLayout* form, const QString& label, const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    form->addRow(label, edit);
    return edit;
}

// Whether the whole picture decodes, as the papers will draw it.
bool decodes(const QByteArray& bytes) {
    const bool jpeg = bytes.startsWith("\xFF\xD8");
    return !(jpeg ? decodeJpeg(bytes) : QImage::fromData(bytes, "PNG")).isNull();
}

// A zip archive's first bytes; a firm.json never begins so.
bool isArchive(const QByteArray& bytes) {
    return bytes.startsWith("PK\x03\x04");
}

// The details of a firm.json's text, a relative logo taken from `folder`.
std::variant<FirmDetails, QString> parsedFirm(const std::string& name, const std::string& json,
                                              const std::filesystem::path& folder) {
    if (json.size() > FirmFile::kMaxBytes)
        return toQString(placedMessage(name, 0, 0, tooLargeMessage(FirmFile::kMaxBytes)));
    try {
        return FirmFile::parse(json, folder);
    } catch (const FirmFileError& error) {
        const std::string reason = error.line() > 0 ? error.reason() : error.what();
        return toQString(placedMessage(name, error.line(), error.column(), reason));
    }
}

// The page's archive: the logo comes as bytes, known by its name alone.
std::variant<FirmDetails, QString> archivedFirm(const std::string& name, const QByteArray& bytes) {
    const auto read = readFirmArchive(std::string_view(bytes.constData(), bytes.size()));
    if (const auto* reason = std::get_if<std::string>(&read))
        return toQString(placedMessage(name, 0, 0, *reason));
    const auto& archive = std::get<FirmArchive>(read);
    auto firm = parsedFirm(name, archive.firmJson, {});
    auto* details = std::get_if<FirmDetails>(&firm);
    if (!details || archive.logoName.empty())
        return firm;
    std::optional<std::string> fault = logoFault(archive.logoBytes);
    if (!fault && !decodes(QByteArray::fromStdString(archive.logoBytes)))
        fault = std::string(kUndecodableLogo);
    if (fault)
        return toQString(logoRefusal(archive.logoName, *fault));
    details->logo = archive.logoName;
    details->logoBytes = archive.logoBytes;
    return firm;
}

} // namespace

std::optional<QString> logoProblem(const QString& path) {
    if (const auto fault = logoFileFault(path.toStdString()))
        return toQString(*fault);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("не удалось прочитать логотип");
    if (!decodes(file.readAll()))
        return toQString(kUndecodableLogo);
    return std::nullopt;
}

std::variant<FirmDetails, QString> importedFirm(const QString& path) {
    const QFileInfo info(path);
    const std::string name = toUtf8(info.fileName());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return toQString(placedMessage(name, 0, 0, toUtf8(file.errorString())));
    // Read no further than the largest archive: a larger one is refused.
    const QByteArray bytes = file.read(FirmArchive::kMaxBytes + 1);
    if (isArchive(bytes))
        return archivedFirm(name, bytes);
    auto firm = parsedFirm(name, bytes.toStdString(), info.absolutePath().toStdString());
    const auto* details = std::get_if<FirmDetails>(&firm);
    if (details && !details->logo.empty())
        if (const auto problem = logoProblem(QString::fromStdString(details->logo.string())))
            return toQString(logoRefusal(details->logo.filename().string(), toUtf8(*problem)));
    return firm;
}

FirmDetails withLogoFile(FirmDetails details, const std::filesystem::path& folder) {
    if (details.logoBytes.empty())
        return details;
    const std::filesystem::path path = folder / details.logo.filename();
    std::error_code ignored; // a folder that cannot be made fails the write below
    std::filesystem::create_directories(folder, ignored);
    QSaveFile file(QString::fromStdString(path.string()));
    const auto& bytes = details.logoBytes;
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit())
        throw FirmFileError("логотип не записан в «" + path.string() +
                            "»: " + toUtf8(file.errorString()));
    details.logo = path;
    details.logoBytes.clear();
    return details;
}

FirmDialog::FirmDialog(QWidget* parent, const FirmDetails& details,
                       std::function<QString(QWidget*)> chooseLogo,
                       std::function<QString(QWidget*)> chooseImport)
    : QDialog(parent), details_(details), chooseLogo_(std::move(chooseLogo)),
      chooseImport_(std::move(chooseImport)) {
    setWindowTitle(QStringLiteral("Реквизиты организации"));
    auto* form = new QFormLayout;
    name_ = row(form, QStringLiteral("Название:"), "firmName");
    address_ = row(form, QStringLiteral("Адрес:"), "firmAddress");
    phone_ = row(form, QStringLiteral("Телефон:"), "firmPhone");
    email_ = row(form, QStringLiteral("E-mail:"), "firmEmail");
    website_ = row(form, QStringLiteral("Сайт:"), "firmWebsite");
    inn_ = row(form, QStringLiteral("ИНН:"), "firmInn");
    kpp_ = row(form, QStringLiteral("КПП:"), "firmKpp");

    logo_ = new QLineEdit;
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
    connect(remove, &QPushButton::clicked, this, [this] {
        logo_->clear();
        importedLogo_.clear();
    });

    installationPrice_ =
        row(form, QStringLiteral("Монтаж одного проёма, руб.:"), "firmInstallation");
    vatRate_ = row(form, QStringLiteral("Ставка НДС, %:"), "firmVat");
    noVat_ = new QCheckBox(QStringLiteral("Без НДС"));
    noVat_->setObjectName(QStringLiteral("firmNoVat"));
    connect(noVat_, &QCheckBox::toggled, vatRate_, [this](bool on) { vatRate_->setEnabled(!on); });
    form->addRow(QString(), noVat_);
    fill(details);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* import =
        buttons->addButton(QStringLiteral("Импорт реквизитов…"), QDialogButtonBox::ActionRole);
    import->setObjectName(QStringLiteral("firmImport"));
    connect(import, &QPushButton::clicked, this, [this] { importDetails(); });
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
    importedLogo_.clear();
}

void FirmDialog::fill(const FirmDetails& details) {
    name_->setText(toQString(details.name));
    address_->setText(toQString(details.address));
    phone_->setText(toQString(details.phone));
    email_->setText(toQString(details.email));
    website_->setText(toQString(details.website));
    inn_->setText(toQString(details.inn));
    kpp_->setText(toQString(details.kpp));
    logo_->setText(toQString(details.logo.string()));
    importedLogo_ = details.logoBytes;
    installationPrice_->setText(toQString(moneyText(details.installationPrice)));
    vatRate_->setText(toQString(percentText(details.vat.value_or(Percent{2000}))));
    noVat_->setChecked(!details.vat);
    vatRate_->setEnabled(details.vat.has_value());
}

// The fields take an imported file whole or not at all; OK then keeps it
// as typed ones are kept.
void FirmDialog::importDetails() {
    const QString path = chooseImport_ ? chooseImport_(this) : QString();
    if (path.isEmpty())
        return;
    const auto firm = importedFirm(path);
    if (const auto* reason = std::get_if<QString>(&firm))
        tell(*reason);
    else
        fill(std::get<FirmDetails>(firm));
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
    if (auto firm = typed()) {
        // An imported logo is held as bytes until the details are kept.
        if (!firm->logo.empty())
            firm->logoBytes = importedLogo_;
        details_ = *firm;
        QDialog::accept();
    }
}

void FirmDialog::tell(const QString& text) {
    QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box.exec();
}

} // namespace kavro::window
