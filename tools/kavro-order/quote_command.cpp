// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_files.h"
#include "commands.h"
#include "core/quote/quotation.h"
#include "core/report/quotation_report.h"
#include "core/report/report_date.h"
#include "order_documents.h"
#include "order_results.h"
#include "orderio/quotation_export.h"
#include "sheets/xlsx_export.h"

#include <algorithm>

namespace kavro::cli {

namespace {

enum class QuoteKind { None, Typed, Sheet };

std::string lowerExtension(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return extension;
}

// Every kind of quotation file is named here.
const char* const kKinds =
#ifdef KAVRO_HAS_PRINT
    ".pdf, "
#endif
    ".docx, .csv, .xlsx";

QuoteKind kindOf(const std::filesystem::path& file) {
    const std::string extension = lowerExtension(file);
    if (extension == ".docx")
        return QuoteKind::Typed;
#ifdef KAVRO_HAS_PRINT
    if (extension == ".pdf")
        return QuoteKind::Typed;
#endif
    if (extension == ".csv" || extension == ".xlsx")
        return QuoteKind::Sheet;
    return QuoteKind::None;
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
        if (lowerExtension(file) == ".pdf") {
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
    const QuoteKind kind = kindOf(*line.output);
    if (kind == QuoteKind::None) {
        context.diagnostics.error(*line.output, std::string("коммерческое предложение "
                                                            "записывается только в файлы ") +
                                                    kKinds);
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
    const bool written =
        kind == QuoteKind::Typed
            ? writeTyped(quotation, firm ? &*firm : nullptr, *line.output, context.diagnostics)
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
