// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_printing.h"

#include "core/calc_error.h"
#include "print/page_geometry.h"
#include "print/pdf_file_destination.h"
#include "print/report_pages.h"
#include "print/text_document_launcher.h"
#include "print/text_document_word_processor.h"
#include "qt_text.h"
#include "report/delivery_messages.h"
#include "report/report_file_name.h"
#include "report/temp_folder_destination.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <utility>

namespace kavro::window {

namespace {

std::string notPrintedMessage() {
    return "Не удалось напечатать отчёт: принтер недоступен";
}

QString askWithDialog(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Экспорт в PDF"), suggested,
                                        QStringLiteral("Документ PDF (*.pdf)"));
}

// The report button's word processor, swapped for the printable one while
// one report is typed, and put back however the typing ends.
class LauncherSwap {
public:
    LauncherSwap(Services& services, WordProcessorLauncher& printable)
        : services_(services), usual_(std::exchange(services.wordProcessor, &printable)) {}
    ~LauncherSwap() { services_.wordProcessor = usual_; }
    LauncherSwap(const LauncherSwap&) = delete;
    LauncherSwap& operator=(const LauncherSwap&) = delete;

private:
    Services& services_;
    WordProcessorLauncher* usual_;
};

} // namespace

ReportPrinting::ReportPrinting(QWidget* window, TForm1& form, ReportPrintingSeams seams)
    : window_(window), form_(form), seams_(std::move(seams)) {
    if (!seams_.runPreview)
        seams_.runPreview = [](QPrintPreviewDialog& dialog) { dialog.exec(); };
    if (!seams_.askFileName)
        seams_.askFileName = askWithDialog;
}

QString ReportPrinting::suggestedPdfPath() {
    QString name = toQString(reportFileName(TempFolderDestination::localNow()));
    name = QFileInfo(name).completeBaseName() + QStringLiteral(".pdf");
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(name);
}

void ReportPrinting::tell(const std::string& message) {
    form_.services().messageBox.showStop(form_.services().programName, messageBoxText(message));
}

// A refusal of the word processor ends the report silently inside the
// button's handler; here it means that there is nothing to print, which the
// user is told.
bool ReportPrinting::typeReport(print::PrintableDestination& destination, const Typing& typing) {
    print::TextDocumentLauncher printable(destination);
    try {
        if (typing) {
            print::TextDocumentWordProcessor word(destination);
            typing(word);
        } else {
            const LauncherSwap swap(form_.services(), printable);
            form_.Button1Click();
        }
    } catch (const CalcError& error) {
        tell(error.what());
        return false;
    } catch (const WordProcessorError&) {
        tell(reportNotBuiltMessage());
        return false;
    }
    return true;
}

void ReportPrinting::preview() {
    preview(Typing());
}

void ReportPrinting::exportPdf() {
    exportPdf(Typing());
}

void ReportPrinting::preview(const Typing& typing) {
    print::KeptReport kept;
    if (!typeReport(kept, typing))
        return;
    const std::unique_ptr<QTextDocument> report = kept.take();
    if (!report) {
        tell(reportNotBuiltMessage());
        return;
    }
    const print::ReportPages pages(*report);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(print::PageGeometry::pageLayout());
    printer.setDocName(QStringLiteral("Подбор привода"));
    QPrintPreviewDialog dialog(&printer, window_);
    // The last painting tells: the preview's own always succeeds, a printer
    // that cannot be opened fails.
    bool failed = false;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&pages, &failed](QPrinter* target) {
                         const int first = target->fromPage() > 0 ? target->fromPage() - 1 : 0;
                         const int last = target->toPage() > 0 ? target->toPage() - 1 : -1;
                         failed = !pages.paint(*target, first, last);
                     });
    seams_.runPreview(dialog);
    if (failed)
        tell(notPrintedMessage());
}

void ReportPrinting::exportPdf(const Typing& typing) {
    const QString offered =
        lastFolder_.isEmpty()
            ? suggestedPdfPath()
            : QDir(lastFolder_).filePath(QFileInfo(suggestedPdfPath()).fileName());
    QString chosen = seams_.askFileName(window_, offered);
    if (chosen.isEmpty())
        return;
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".pdf");
    print::PdfFileDestination file(QFile::encodeName(chosen).toStdString());
    if (typeReport(file, typing))
        lastFolder_ = QFileInfo(chosen).absolutePath();
}

} // namespace kavro::window
