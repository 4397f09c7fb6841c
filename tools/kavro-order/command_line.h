// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kavro::cli {

// The command line cannot be understood; what() says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CommandLine {
    enum class Action { Help, Version, Run };
    Action action = Action::Run;
    std::string command;                         // import, check, ..., push, pull or orders
    std::filesystem::path input;                 // the one file named
    std::optional<std::filesystem::path> output; // -o
    std::optional<std::string> title;            // --title (import only)
    std::optional<std::filesystem::path> firm;   // --firm (report and quote)
    std::optional<std::filesystem::path> prices; // --prices (quote)
    std::optional<std::string> server;           // --server URL (push, pull, orders)
    std::optional<std::string> login;            // --login (push, pull, orders)
};

// Reads the arguments after the program's name; throws UsageError.
// Options may stand before or after the file; "--" ends them.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

} // namespace kavro::cli
