// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_exports.h"

#include "core/order/parts_list.h"
#include "core/platform/atomic_file.h"
#include "core/platform/word_processor.h"
#include "core/report/order_report.h"
#include "core/report/report_date.h"
#include "orderio/openings_export.h"
#include "orderio/openings_import.h"
#include "qt_text.h"
#include "report/docx_launcher.h"
#include "sheets/openings_workbook.h"
#include "sheets/xlsx_export.h"

#include <QFile>
#include <QFileInfo>

namespace kavro::window {

namespace {

const QString kCsvFilter = QStringLiteral("Таблицы CSV (*.csv)");
// A table the program writes: CSV or a workbook, as the name ends.
const QString kSheetFilter = QStringLiteral("Таблицы CSV (*.csv);;Книги Excel (*.xlsx)");
// What spreadsheet programs save a table as: CSV, Excel's "Текст Юникод"
// (.txt) and workbooks.
const QString kTableFilter = QStringLiteral("Таблицы (*.csv *.txt *.xlsx);;Все файлы (*)");
const QString kDocxFilter = QStringLiteral("Документы Word (*.docx)");
// The most faults of a spreadsheet listed in one message.
constexpr std::size_t kFaultsShown = 20;

std::filesystem::path fileSystemPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Leaves the finished report in the chosen file in one step.
class ChosenFile : public ReportDestination {
public:
    explicit ChosenFile(std::filesystem::path file) : file_(std::move(file)) {}
    void deliver(const std::string& docx) override {
        if (const std::error_code failed = writeFileAtomically(file_, docx))
            throw ReportNotDelivered(writeFailureMessage(failed));
    }

private:
    std::filesystem::path file_;
};

} // namespace

OrderExports::OrderExports(QWidget* window, const OrderDocument& document, DocumentDialogs& dialogs,
                           MessageBox& messages, std::string programName, const FirmDetails& firm)
    : window_(window), document_(document), dialogs_(dialogs), messages_(messages),
      programName_(std::move(programName)), firm_(firm) {}

std::optional<std::vector<Opening>> OrderExports::importOpenings() {
    const QString path =
        dialogs_.chooseOpen(window_, QStringLiteral("Импорт проёмов из таблицы"), kTableFilter);
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        tell(QStringLiteral("Не удалось открыть файл «%1»:\n%2")
                 .arg(QFileInfo(path).fileName(), file.errorString()));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    OpeningsImport read =
        kavro::importOpeningsTable(std::string_view(bytes.constData(), bytes.size()));
    if (read.errors.empty())
        return std::move(read.openings);
    QStringList faults;
    for (std::size_t i = 0; i < read.errors.size() && i < kFaultsShown; ++i)
        faults << toQString(describeFault(read, read.errors[i]));
    if (read.errors.size() > kFaultsShown)
        faults << QStringLiteral("… и ещё %1").arg(read.errors.size() - kFaultsShown);
    tell(QStringLiteral("Проёмы из файла «%1» не взяты:\n%2")
             .arg(QFileInfo(path).fileName(), faults.join(u'\n')));
    return std::nullopt;
}

void OrderExports::exportOpenings() {
    const QString path = chooseTarget(QStringLiteral("Экспорт проёмов в таблицу"),
                                      QStringLiteral("Проёмы.csv"), kSheetFilter);
    if (path.isEmpty())
        return;
    try {
        writeTable(path, openingsSheet(document_.order(), document_.allResults()));
    } catch (const CsvExportError& error) {
        tell(QStringLiteral("Не удалось записать файл «%1»:\n%2")
                 .arg(QFileInfo(path).fileName(), toQString(error.what())));
    }
}

void OrderExports::exportPartsList() {
    const QString path = chooseTarget(QStringLiteral("Экспорт ведомости в таблицу"),
                                      QStringLiteral("Ведомость.csv"), kSheetFilter);
    if (!path.isEmpty())
        writeTable(path, partsListSheet(makePartsList(document_.order(), document_.allResults())));
}

void OrderExports::writeOrderReport() {
    writeWordDocument(QStringLiteral("Отчёт по заказу"), QStringLiteral("Отчёт по заказу.docx"),
                      [this](WordProcessor& word) { typeOrderReport(word); });
}

void OrderExports::writeWordDocument(const QString& caption, const QString& name,
                                     const std::function<void(WordProcessor&)>& typing) {
    const QString path = chooseTarget(caption, name, kDocxFilter);
    if (path.isEmpty())
        return;
    ChosenFile destination(fileSystemPath(path));
    DocxLauncher launcher(reportTemplatePath(), destination);
    try {
        const std::unique_ptr<WordProcessor> word = launcher.launch();
        if (!word)
            throw WordProcessorError("не удалось начать документ Word");
        typing(*word);
    } catch (const std::exception& error) {
        tell(QStringLiteral("Не удалось записать файл «%1»:\n%2")
                 .arg(QFileInfo(path).fileName(), toQString(error.what())));
    }
}

void OrderExports::typeOrderReport(WordProcessor& word) const {
    kavro::typeOrderReport(document_.order(), document_.allResults(), todaysReportDate(), word,
                           &firm_);
}

QString OrderExports::chooseTarget(const QString& caption, const QString& name,
                                   const QString& filter) {
    return dialogs_.chooseSave(window_, caption, name, filter);
}

void OrderExports::write(const QString& path, const std::string& bytes) {
    if (const std::error_code failed = writeFileAtomically(fileSystemPath(path), bytes))
        tell(QStringLiteral("Не удалось записать файл «%1»:\n%2")
                 .arg(QFileInfo(path).fileName(), toQString(writeFailureMessage(failed))));
}

void OrderExports::writeTable(const QString& path, const SheetTable& table) {
    const std::filesystem::path file = fileSystemPath(path);
    if (!isWorkbookName(file)) {
        write(path, csvText(table));
        return;
    }
    try {
        write(path, workbookBytes(table, file.parent_path()));
    } catch (const WorkbookError& error) {
        tell(QStringLiteral("Не удалось записать файл «%1»:\n%2")
                 .arg(QFileInfo(path).fileName(), toQString(error.what())));
    }
}

void OrderExports::tell(const QString& text) {
    messages_.showStop(programName_, toUtf8(text));
}

} // namespace kavro::window
