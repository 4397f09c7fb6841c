// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quotation_papers.h"

#include "core/platform/atomic_file.h"
#include "core/quote/price_entry.h"
#include "core/report/quotation_report.h"
#include "core/report/report_date.h"
#include "orderio/price_list.h"
#include "qt_text.h"
#include "sheets/price_list_table.h"

#include <QFile>
#include <QFileInfo>

namespace kavro::window {

namespace {

const QString kTableFilter = QStringLiteral("Таблицы (*.csv *.txt *.xlsx);;Все файлы (*)");

std::optional<QByteArray> readAll(const QString& path, QString& reason) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace

Prices savedPrices(const std::filesystem::path& file) {
    std::error_code missing;
    if (file.empty() || !std::filesystem::exists(file, missing))
        return {};
    QString reason;
    const auto bytes = readAll(QFile::decodeName(file.c_str()), reason);
    if (!bytes) {
        qWarning("%s: %s", file.string().c_str(), qPrintable(reason));
        return {};
    }
    PriceList list = importPriceListTable(std::string_view(bytes->constData(), bytes->size()));
    if (!list.errors.empty()) {
        qWarning("%s", priceListRefusal(file.string(), list).c_str());
        return {};
    }
    return std::move(list.articles);
}

QuotationPapers::QuotationPapers(QWidget* window, OrderSession& session, DocumentDialogs& dialogs,
                                 MessageBox& messages, std::string programName,
                                 const FirmDetails& firm, ReportPrinting& printing,
                                 OrderExports& exports, std::filesystem::path pricesFile)
    : window_(window), session_(session), document_(session.document()), dialogs_(dialogs),
      messages_(messages), programName_(std::move(programName)), firm_(firm), printing_(printing),
      exports_(exports), pricesFile_(std::move(pricesFile)), prices_(savedPrices(pricesFile_)) {}

// The list is copied, as the program writes it, rather than remembered by
// its path: the user's file may be moved, or edited into a list with a
// fault, and the quotations would change under the firm without a word.
// The copy is the list that was checked.
void QuotationPapers::loadPriceList() {
    const QString path = dialogs_.chooseOpen(window_, QStringLiteral("Прайс-лист"), kTableFilter);
    if (path.isEmpty())
        return;
    QString reason;
    const auto bytes = readAll(path, reason);
    if (!bytes) {
        tell(QStringLiteral("Не удалось открыть файл «%1»:\n%2")
                 .arg(QFileInfo(path).fileName(), reason));
        return;
    }
    PriceList list = importPriceListTable(std::string_view(bytes->constData(), bytes->size()));
    if (!list.errors.empty()) {
        tell(toQString(priceListRefusal(toUtf8(QFileInfo(path).fileName()), list)));
        return;
    }
    std::error_code ignored;
    if (!pricesFile_.empty())
        std::filesystem::create_directories(pricesFile_.parent_path(), ignored);
    const std::error_code failed =
        pricesFile_.empty() ? std::make_error_code(std::errc::no_such_file_or_directory)
                            : writeFileAtomically(pricesFile_, priceListText(list.articles));
    if (failed) {
        tell(QStringLiteral("Не удалось сохранить прайс-лист в «%1»:\n%2")
                 .arg(toQString(pricesFile_.string()), toQString(writeFailureMessage(failed))));
        return;
    }
    prices_ = std::move(list.articles);
}

void QuotationPapers::editDiscount() {
    const auto& discount = document_.order().discount;
    const std::optional<QString> text =
        dialogs_.askText(window_, QStringLiteral("Скидка на заказ"),
                         QStringLiteral("Скидка, % (пусто — без скидки):"),
                         discount ? toQString(percentText(*discount)) : QString());
    if (!text)
        return;
    auto entered = parseDiscountEntry(toUtf8(*text));
    if (const auto* reason = std::get_if<std::string>(&entered)) {
        tell(toQString(*reason));
        return;
    }
    tellRefusal(session_.setDiscount(std::get<std::optional<Percent>>(entered)));
}

void QuotationPapers::editInstallationPrice() {
    const Opening& opening = session_.currentOpening();
    const std::optional<QString> text = dialogs_.askText(
        window_, QStringLiteral("Цена монтажа проёма"),
        QStringLiteral("Монтаж одного проёма «%1», руб. (пусто — по реквизитам: %2):")
            .arg(toQString(opening.location),
                 firm_.installationPrice > Money{0}
                     ? toQString(moneyText(firm_.installationPrice))
                     : QStringLiteral("не указан, монтаж не включается")),
        opening.installationPrice ? toQString(moneyText(*opening.installationPrice)) : QString());
    if (!text)
        return;
    auto entered = parseInstallationEntry(toUtf8(*text));
    if (const auto* reason = std::get_if<std::string>(&entered)) {
        tell(toQString(*reason));
        return;
    }
    tellRefusal(session_.setInstallationPrice(std::get<std::optional<Money>>(entered)));
}

std::optional<Quotation> QuotationPapers::quotation() {
    try {
        return makeQuotation(document_.order(), document_.allResults(), prices_, &firm_);
    } catch (const MoneyOverflow&) {
        tell(toQString(kQuotationTooLarge));
        return std::nullopt;
    }
}

ReportPrinting::Typing QuotationPapers::typing(const Quotation& quotation) const {
    const std::string number = quotationNumberNow();
    const std::string date = todaysReportDate();
    const FirmDetails* firm = &firm_;
    return [quotation, number, date, firm](WordProcessor& word) {
        typeQuotation(quotation, number, date, word, firm);
    };
}

void QuotationPapers::preview() {
    if (const auto made = quotation())
        printing_.preview(typing(*made));
}

void QuotationPapers::exportPdf() {
    if (const auto made = quotation())
        printing_.exportPdf(typing(*made));
}

void QuotationPapers::writeDocx() {
    if (const auto made = quotation())
        exports_.writeWordDocument(QStringLiteral("Коммерческое предложение"),
                                   QStringLiteral("Коммерческое предложение.docx"), typing(*made));
}

void QuotationPapers::tell(const QString& text) {
    messages_.showStop(programName_, toUtf8(text));
}

void QuotationPapers::tellRefusal(const ActionResult& result) {
    if (result.kind != ActionResult::Kind::Done)
        messages_.showStop(programName_, result.text);
}

} // namespace kavro::window
