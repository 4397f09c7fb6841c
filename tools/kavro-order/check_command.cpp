// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_files.h"
#include "commands.h"
#include "order_results.h"
#include "text_table.h"

namespace kavro::cli {

namespace {

std::vector<std::string> openingRow(std::size_t index, const Opening& opening,
                                    const OpeningResults& results) {
    const OpeningInputs& in = opening.inputs;
    const std::string profile =
        in.profileType.empty() ? in.profile : in.profile + " " + in.profileType;
    return {std::to_string(index + 1),
            opening.location,
            std::to_string(opening.count),
            in.width + " × " + in.height,
            profile,
            in.shaft,
            results.mass,
            results.torque,
            results.driveArticle.empty() ? "не подобран" : results.driveArticle,
            results.time,
            results.narrow ? "узкая" : "",
            results.problems.empty() ? "" : std::to_string(results.problems.size())};
}

} // namespace

// Prints every opening with its results; the problems go to standard error
// and make the exit status 1, so that a script can stop on them.
int runCheck(const CommandLine& line, CommandContext& context) {
    const std::optional<ComputedOrder> computed = readAndCompute(line.input, context);
    if (!computed)
        return kFailed;
    const Order& order = computed->file.order;
    const std::vector<OpeningResults>& results = computed->results;
    std::vector<std::vector<std::string>> rows = {{"№", "Проём", "Кол.", "Ш × В, мм", "Профиль",
                                                   "Вал", "Масса, кг", "Момент, Нм", "Привод",
                                                   "Время", "Ширина", "Замечания"}};
    for (std::size_t i = 0; i < results.size(); ++i)
        rows.push_back(openingRow(i, order.openings[i], results[i]));
    if (!order.title.empty())
        context.out << order.title << "\n\n";
    context.out << textTable(rows);
    return reportProblems(line.input, computed->file, results, context.diagnostics) > 0 ? kFailed
                                                                                        : kDone;
}

} // namespace kavro::cli
