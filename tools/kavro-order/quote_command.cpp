// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_files.h"
#include "commands.h"
#include "core/quote/quotation.h"
#include "core/report/output_kind.h"
#include "core/report/quotation_report.h"
#include "core/report/report_date.h"
#include "order_documents.h"
#include "order_results.h"
#include "orderio/quotation_export.h"
#include "sheets/xlsx_export.h"

#include <algorithm>

namespace kavro::cli {

namespace {

// Every kind of quotation file, in the order a message names them.
constexpr OutputKind kKinds[] = {
#ifdef KAVRO_HAS_PRINT
    OutputKind::Pdf,
#endif
    OutputKind::Docx, OutputKind::Csv, OutputKind::Xlsx};

// The kind of quotation `file` names; none for one it cannot be written in.
std::optional<OutputKind> kindOf(const std::filesystem::path& file) {
    const std::optional<OutputKind> kind = outputKindOf(file);
    if (!kind || std::find(std::begin(kKinds), std::end(kKinds), *kind) == std::end(kKinds))
        return std::nullopt;
    return kind;
}

// A document typed through the word processor, rather than a sheet.
bool isTyped(OutputKind kind) {
    return kind == OutputKind::Docx || kind == OutputKind::Pdf;
}

bool writeTyped(const Quotation& quotation, const FirmDetails* firm,
                const std::filesystem::path& file, Diagnostics& diagnostics) {
    const std::string number = quotationNumberNow();
    const std::string date = todaysReportDate();
    const DocumentTyping type = [&](WordProcessor& word) {
        typeQuotation(quotation, number, date, word, firm);
    };
    try {
#ifdef KAVRO_HAS_PRINT
        if (outputKindOf(file) == OutputKind::Pdf) {
            writePdfTyped(type, file);
            return true;
        }
#endif
        writeDocxTyped(type, file);
        return true;
    } catch (const OrderDocumentError& error) {
        diagnostics.error(file, error.what());
        return false;
    }
}

bool writeSheet(const Quotation& quotation, const std::filesystem::path& file,
                Diagnostics& diagnostics) {
    const SheetTable table = quotationSheet(quotation);
    std::string bytes;
    try {
        bytes = isWorkbookName(file) ? workbookBytes(table, file.parent_path()) : csvText(table);
    } catch (const WorkbookError& error) {
        diagnostics.error(file, error.what());
        return false;
    }
    return writeOutput(file, bytes, diagnostics);
}

} // namespace

// Writes the quotation of the order from the price list and the firm's
// details. A missing price still writes the file, which says it is
// incomplete, but the command fails and names the articles, so that a
// script never sends it on as a finished one.
int runQuote(const CommandLine& line, CommandContext& context) {
    const std::optional<OutputKind> kind = kindOf(*line.output);
    if (!kind) {
        context.diagnostics.error(*line.output,
                                  "коммерческое предложение записывается только в файлы " +
                                      extensionList(kKinds));
        return kWrongUsage;
    }
    const std::optional<ComputedOrder> computed = readAndCompute(line.input, context);
    if (!computed)
        return kFailed;
    std::optional<FirmDetails> firm;
    if (!readFirm(line.firm, context.diagnostics, firm))
        return kFailed;
    Prices prices;
    std::filesystem::path pricesFile;
    if (!readPrices(line.prices, context.diagnostics, prices, pricesFile))
        return kFailed;
    reportProblems(line.input, computed->file, computed->results, context.diagnostics);
    Quotation quotation;
    try {
        quotation =
            makeQuotation(computed->file.order, computed->results, prices, firm ? &*firm : nullptr);
    } catch (const MoneyOverflow&) {
        context.diagnostics.error(line.input, "сумма коммерческого предложения слишком велика "
                                              "для подсчёта в копейках; предложение не записано");
        return kFailed;
    }
    const bool written = isTyped(*kind) ? writeTyped(quotation, firm ? &*firm : nullptr,
                                                     *line.output, context.diagnostics)
                                        : writeSheet(quotation, *line.output, context.diagnostics);
    if (!written)
        return kFailed;
    if (!quotation.complete()) {
        const std::string source =
            pricesFile.empty() ? std::string(" (прайс-лист не указан: --prices ФАЙЛ)") : "";
        context.diagnostics.error(pricesFile.empty() ? line.input : pricesFile,
                                  "предложение неполное. " + unpricedSentence(quotation) + source);
        return kFailed;
    }
    return kDone;
}

} // namespace kavro::cli
