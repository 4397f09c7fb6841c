// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "command_line.h"
#include "diagnostics.h"

#include <ostream>

namespace kavro::cli {

// The exit statuses.
inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;
inline constexpr int kWrongUsage = 2;
// The firm's server's commands: a sign-in refused, an order refused, a
// server that could not be reached.
inline constexpr int kSignInRefused = 3;
inline constexpr int kOrderRefused = 4;
inline constexpr int kUnreachable = 5;

// Where a command writes: its results, its messages, and whether standard
// error is a terminal (for the progress line).
struct CommandContext {
    std::ostream& out;
    std::ostream& err;
    Diagnostics& diagnostics;
    bool terminal = false;
};

// Each returns the exit status.
int runImport(const CommandLine& line, CommandContext& context);
int runCheck(const CommandLine& line, CommandContext& context);
int runExport(const CommandLine& line, CommandContext& context);
int runBom(const CommandLine& line, CommandContext& context);
int runReport(const CommandLine& line, CommandContext& context);
int runQuote(const CommandLine& line, CommandContext& context);
// push, pull and orders.
int runServerCommand(const CommandLine& line, CommandContext& context);

// The whole program: the arguments after its name.
int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
        bool terminal);

} // namespace kavro::cli
