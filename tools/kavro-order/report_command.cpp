// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_files.h"
#include "commands.h"
#include "order_documents.h"
#include "order_results.h"

namespace kavro::cli {

// Writes the order report in the kind of document the output's extension
// names.
int runReport(const CommandLine& line, CommandContext& context) {
    const OrderDocumentWriter write = documentWriterFor(*line.output);
    if (!write) {
        context.diagnostics.error(*line.output,
                                  "отчёт записывается только в файлы " + documentExtensions());
        return kWrongUsage;
    }
    const std::optional<ComputedOrder> computed = readAndCompute(line.input, context);
    if (!computed)
        return kFailed;
    const Order& order = computed->file.order;
    const std::vector<OpeningResults>& results = computed->results;
    std::optional<FirmDetails> firm;
    if (!readFirm(line.firm, context.diagnostics, firm))
        return kFailed;
    reportProblems(line.input, computed->file, results, context.diagnostics);
    try {
        write(order, results, firm ? &*firm : nullptr, *line.output);
    } catch (const OrderDocumentError& error) {
        context.diagnostics.error(*line.output, error.what());
        return kFailed;
    }
    return kDone;
}

} // namespace kavro::cli
