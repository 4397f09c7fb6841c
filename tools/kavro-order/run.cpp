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
        {"import", runImport}, {"check", runCheck},   {"export", runExport},
        {"bom", runBom},       {"report", runReport},
    };
    return runners.at(command);
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
