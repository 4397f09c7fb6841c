// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/word_processor.h"
#include "core/tform1.h"
#include "print/printable_destination.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

class QPrintPreviewDialog;

namespace kavro::window {

// What tests put in place of the modal dialogs.
struct ReportPrintingSeams {
    // Runs the prepared preview; none: QPrintPreviewDialog::exec.
    std::function<void(QPrintPreviewDialog&)> runPreview{};
    // Asks where to write the PDF, offering `suggested`; an empty answer
    // cancels. None: QFileDialog.
    std::function<QString(QWidget* parent, const QString& suggested)> askFileName{};
};

// The report on paper without a word processor: a print preview from which
// the user prints, and the report exported as a PDF file. Both type the
// report of the window as it stands, by the report button's own typing,
// into the printable document; the window's state is left as it was and
// the focus stays where it is. A failure is told in the window's message
// box and changes nothing.
class ReportPrinting {
public:
    ReportPrinting(QWidget* window, TForm1& form, ReportPrintingSeams seams = {});

    // Types a report into the printable document, from opening it to
    // handing it over (the order report, say).
    using Typing = std::function<void(WordProcessor& word)>;

    // Файл → Печать… (Ctrl+P): the window's report, or the one `typing` types.
    void preview();
    void preview(const Typing& typing);
    // Файл → Экспорт в PDF…
    void exportPdf();
    void exportPdf(const Typing& typing);

    // The file name offered first: the report's own, as the Word document
    // is named, with .pdf, in the user's documents folder.
    static QString suggestedPdfPath();

private:
    // Types the report into the printable document for `destination`: the
    // window's through the report button when `typing` is empty. False when
    // it failed (the user has been told).
    bool typeReport(print::PrintableDestination& destination, const Typing& typing);
    void tell(const std::string& message);

    QPointer<QWidget> window_;
    TForm1& form_;
    ReportPrintingSeams seams_;
    // The folder of the last PDF written, offered again next time.
    QString lastFolder_;
};

} // namespace kavro::window
