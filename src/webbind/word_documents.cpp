// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_documents.h"

#include "report/docx_word_processor.h"
#include "report/example_letterhead.h"
#include "report/report_file_name.h"
#include "report/temp_folder_destination.h"
#include "typed_report.h"

namespace kavro {

namespace {

// The finished document stays in memory: the page saves it.
class KeptDocument : public ReportDestination {
public:
    void deliver(const std::string& docx) override { bytes = docx; }
    std::string bytes;
};

} // namespace

std::string exampleLetterhead() {
    KeptDocument kept;
    DocxWordProcessor word(TemplateBytes{}, kept);
    typeExampleLetterhead(word);
    return kept.bytes;
}

FileAnswer wordDocument(const std::string& typing, const std::string& templateBytes) {
    KeptDocument kept;
    try {
        DocxWordProcessor word(
            TemplateBytes{templateBytes.empty() ? exampleLetterhead() : templateBytes}, kept);
        retypeReport(typing, word);
    } catch (const ReportNotDelivered& error) {
        return {{}, error.what()};
    } catch (const WordProcessorError& error) {
        return {{}, std::string("отчёт не удалось составить: ") + error.what()};
    }
    if (kept.bytes.empty())
        return {{}, "отчёт не удалось составить: он не был закончен"};
    return {std::move(kept.bytes), {}};
}

std::string reportDocumentName() {
    return reportFileName(TempFolderDestination::localNow());
}

} // namespace kavro
