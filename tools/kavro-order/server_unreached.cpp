// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"
#include "commands.h"

namespace kavro::cli {

// kavro-order under node carries no network client: the firm's server is
// reached by the native program, and saying so beats a failed connection.
int runServerCommand(const CommandLine& line, CommandContext& context) {
    context.err << "kavro-order: команда " << line.command
                << " с сервером фирмы здесь не работает: её выполняет kavro-order для Linux\n";
    return kUnreachable;
}

} // namespace kavro::cli
