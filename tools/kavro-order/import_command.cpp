// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_files.h"
#include "commands.h"
#include "order_results.h"
#include "orderio/openings_import.h"
#include "orderio/order_file.h"
#include "progress.h"
#include "sheets/openings_workbook.h"

namespace kavro::cli {

// Reads the openings spreadsheet (a text table or a workbook), works every opening out so that the
// window's objections show now rather than in the office, and saves the
// order. A bad cell refuses the whole import; an opening's problem is only
// a warning, because the order keeps it exactly as entered.
int runImport(const CommandLine& line, CommandContext& context) {
    const std::optional<std::string> text =
        readInput(line.input, OrderFile::kMaxBytes, context.diagnostics);
    if (!text)
        return kFailed;
    OpeningsImport imported = importOpeningsTable(*text);
    for (const CsvCellError& error : imported.errors) {
        if (imported.cellAddresses) {
            // A workbook's fault is placed by its cell, which names the row.
            context.diagnostics.error(line.input, describeCell(error));
            continue;
        }
        CsvCellError placeless = error;
        placeless.row = 0;
        context.diagnostics.error(line.input, describe(placeless), error.row);
    }
    if (!imported.errors.empty())
        return kFailed;

    Order order{.title = line.title.value_or(line.input.stem().string()),
                .openings = std::move(imported.openings)};
    std::vector<OpeningResults> results;
    {
        Progress progress(context.err, context.terminal, "расчёт проёмов");
        results = computeOrder(order, progress);
    }
    for (std::size_t i = 0; i < results.size(); ++i)
        for (const std::string& problem : results[i].problems)
            context.diagnostics.warning(line.input, openingLabel(order, i) + ": " + problem,
                                        imported.rows[i]);
    try {
        OrderFile::save(order, *line.output);
    } catch (const OrderFileError& error) {
        context.diagnostics.error(*line.output, error.what());
        return kFailed;
    }
    return kDone;
}

} // namespace kavro::cli
