// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_files.h"
#include "commands.h"
#include "order_results.h"
#include "orderio/openings_export.h"
#include "sheets/xlsx_export.h"

namespace kavro::cli {

// Writes the openings with their results; problems are warnings (the
// spreadsheet still shows what the window would).
int runExport(const CommandLine& line, CommandContext& context) {
    const std::optional<ComputedOrder> computed = readAndCompute(line.input, context);
    if (!computed)
        return kFailed;
    const Order& order = computed->file.order;
    const std::vector<OpeningResults>& results = computed->results;
    reportProblems(line.input, computed->file, results, context.diagnostics);
    std::string text;
    try {
        const SheetTable table = openingsSheet(order, results);
        text = isWorkbookName(*line.output) ? workbookBytes(table, line.output->parent_path())
                                            : csvText(table);
    } catch (const CsvExportError& error) {
        context.diagnostics.error(line.input, error.what());
        return kFailed;
    } catch (const WorkbookError& error) {
        context.diagnostics.error(*line.output, error.what());
        return kFailed;
    }
    return writeOutput(*line.output, text, context.diagnostics) ? kDone : kFailed;
}

} // namespace kavro::cli
