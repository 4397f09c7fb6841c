// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commands.h"
#include "help_text.h"

#include <map>
#include <new>

namespace kavro::cli {

namespace {

using Runner = int (*)(const CommandLine&, CommandContext&);

Runner runnerOf(const std::string& command) {
    static const std::map<std::string, Runner> runners = {
        {"import", runImport},        {"check", runCheck},
        {"export", runExport},        {"bom", runBom},
        {"report", runReport},        {"quote", runQuote},
        {"push", runServerCommand},   {"pull", runServerCommand},
        {"orders", runServerCommand},
    };
    return runners.at(command);
}

// Writing a command's output over its own input would lose the input
// (an order file turned into a spreadsheet by a slip of the shell).
bool writesOverInput(const CommandLine& line) {
    std::error_code ignored;
    return line.output && std::filesystem::equivalent(line.input, *line.output, ignored);
}

} // namespace

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
        bool terminal) {
    CommandLine line;
    try {
        line = parseCommandLine(arguments);
    } catch (const UsageError& error) {
        err << "kavro-order: " << error.what() << "\nСправка: kavro-order --help\n";
        return kWrongUsage;
    }
    if (line.action == CommandLine::Action::Help) {
        out << helpText();
        return kDone;
    }
    if (line.action == CommandLine::Action::Version) {
        out << versionText();
        return kDone;
    }
    if (writesOverInput(line)) {
        err << "kavro-order: " << line.output->string()
            << " — это входной файл; результат записывается в другой файл\n";
        return kWrongUsage;
    }
    Diagnostics diagnostics(err);
    CommandContext context{out, err, diagnostics, terminal};
    try {
        return runnerOf(line.command)(line, context);
    } catch (const std::bad_alloc&) {
        err << "kavro-order: не хватило памяти\n";
        return kFailed;
    }
}

} // namespace kavro::cli
