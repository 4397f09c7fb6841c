// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/platform/word_processor.h"
#include "core/report/order_report.h"
#include "core/report/report_date.h"
#include "order_documents.h"
#include "report/docx_launcher.h"
#include "report/file_destination.h"

namespace kavro::cli {

// Typed into the same .docx writer as the window's report, on the same
// letterhead template.
void writeDocxReport(const Order& order, const std::vector<OpeningResults>& results,
                     const FirmDetails* firm, const std::filesystem::path& file) {
    writeDocxTyped(
        [&](WordProcessor& word) {
            typeOrderReport(order, results, todaysReportDate(), word, firm);
        },
        file);
}

void writeDocxTyped(const DocumentTyping& type, const std::filesystem::path& file) {
    FileDestination destination(file);
    DocxLauncher launcher(reportTemplatePath(), destination);
    try {
        const std::unique_ptr<WordProcessor> word = launcher.launch();
        if (!word)
            throw OrderDocumentError("не удалось начать документ Word");
        type(*word);
    } catch (const ReportNotDelivered& error) {
        throw OrderDocumentError(error.what());
    } catch (const WordProcessorError& error) {
        throw OrderDocumentError(std::string("отчёт не удалось составить: ") + error.what());
    }
}

} // namespace kavro::cli
