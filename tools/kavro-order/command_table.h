// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kavro::cli {

struct CommandLine;
struct CommandContext;

// Whether a command writes a file named by -o.
enum class OutputOption { None, Optional, Required };

// One of kavro-order's commands: everything the command line, the help and
// the program know of it.
struct Command {
    std::string_view name;
    // What follows the name in the help, lines after the first indented
    // under the description.
    std::string_view usage;
    // The help's description, one line of the help per line.
    std::string_view description;
    OutputOption output;
    bool title;  // takes --title
    bool firm;   // takes --firm
    bool prices; // takes --prices
    int (*run)(const CommandLine& line, CommandContext& context);
    bool server = false; // talks to the firm's server: needs --server, takes --login
    bool file = true;    // names one file (an order, a table or an id)
};

// Every command, in the order the help lists them.
std::span<const Command> commands();
// The command named `name`; nullptr when there is none.
const Command* commandNamed(std::string_view name);
// The names of the commands that take an option, for a message:
// "команды import", "команд report и quote".
std::string commandsTaking(bool Command::*option);

} // namespace kavro::cli
