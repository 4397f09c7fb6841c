// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/platform/atomic_file.h"
#include "core/platform/word_processor.h"
#include "core/report/order_report.h"
#include "core/report/report_date.h"
#include "order_documents.h"
#include "print/headless_gui.h"
#include "print/pdf_writing.h"
#include "print/text_document_word_processor.h"

#include <string_view>

namespace kavro::cli {

// Typed by the same calls as the Word document, then cut into A4 pages and
// written in one step, as every output of kavro-order is.
void writePdfReport(const Order& order, const std::vector<OpeningResults>& results,
                    const FirmDetails* firm, const std::filesystem::path& file) {
    writePdfTyped(
        [&](WordProcessor& word) {
            typeOrderReport(order, results, todaysReportDate(), word, firm);
        },
        file);
}

void writePdfTyped(const DocumentTyping& type, const std::filesystem::path& file) {
    // Declared first: the document below must go before the application.
    print::HeadlessGui gui;
    if (!gui.ensure())
        throw OrderDocumentError("отчёт в PDF не удалось составить: нет графической среды Qt");
    print::KeptReport kept;
    print::TextDocumentWordProcessor word(kept);
    try {
        type(word);
    } catch (const WordProcessorError& error) {
        throw OrderDocumentError(std::string("отчёт не удалось составить: ") + error.what());
    }
    const std::unique_ptr<QTextDocument> report = kept.take();
    const QByteArray pdf = report ? print::pdfOf(*report) : QByteArray();
    if (pdf.isEmpty())
        throw OrderDocumentError("отчёт в PDF не удалось составить");
    const std::string_view bytes(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    if (const std::error_code error = writeFileAtomically(file, bytes))
        throw OrderDocumentError(writeFailureMessage(error));
}

} // namespace kavro::cli
