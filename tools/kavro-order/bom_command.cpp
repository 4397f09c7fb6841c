// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_files.h"
#include "commands.h"
#include "core/order/parts_list.h"
#include "order_results.h"
#include "orderio/openings_export.h"
#include "sheets/xlsx_export.h"

namespace kavro::cli {

// Writes the order's parts list to the named file, or to standard output.
int runBom(const CommandLine& line, CommandContext& context) {
    const std::optional<ComputedOrder> computed = readAndCompute(line.input, context);
    if (!computed)
        return kFailed;
    const Order& order = computed->file.order;
    const std::vector<OpeningResults>& results = computed->results;
    reportProblems(line.input, computed->file, results, context.diagnostics);
    const SheetTable table = partsListSheet(makePartsList(order, results));
    if (!line.output) {
        context.out << csvText(table) << std::flush;
        return context.out ? kDone : kFailed;
    }
    std::string bytes;
    try {
        bytes = isWorkbookName(*line.output) ? workbookBytes(table, line.output->parent_path())
                                             : csvText(table);
    } catch (const WorkbookError& error) {
        context.diagnostics.error(*line.output, error.what());
        return kFailed;
    }
    return writeOutput(*line.output, bytes, context.diagnostics) ? kDone : kFailed;
}

} // namespace kavro::cli
