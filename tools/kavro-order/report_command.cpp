// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_files.h"
#include "commands.h"
#include "order_documents.h"
#include "order_results.h"
#include "progress.h"

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
    const std::optional<Order> order = readOrder(line.input, context.diagnostics);
    if (!order)
        return kFailed;
    std::vector<OpeningResults> results;
    {
        Progress progress(context.err, context.terminal, "расчёт проёмов");
        results = computeOrder(*order, progress);
    }
    reportProblems(line.input, *order, results, context.diagnostics);
    try {
        write(*order, results, *line.output);
    } catch (const OrderDocumentError& error) {
        context.diagnostics.error(*line.output, error.what());
        return kFailed;
    }
    return kDone;
}

} // namespace kavro::cli
