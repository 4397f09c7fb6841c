// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kavro::cli {

namespace {

constexpr std::array<std::string_view, 9> kCommands = {
    "import", "check", "export", "bom", "report", "quote", "push", "pull", "orders"};

bool talksToServer(std::string_view command) {
    return command == "push" || command == "pull" || command == "orders";
}

// Commands that must be told where to write.
bool needsOutput(std::string_view command) {
    return command == "import" || command == "export" || command == "report" ||
           command == "quote" || command == "pull";
}

bool takesOutput(std::string_view command) {
    return command != "check" && command != "push" && command != "orders";
}

// The value of an option: "--name=VALUE", or the next argument.
std::string optionValue(const std::vector<std::string>& arguments, std::size_t& i,
                        std::string_view name) {
    const std::string& argument = arguments[i];
    if (const std::size_t equals = argument.find('='); equals != std::string::npos)
        return argument.substr(equals + 1);
    if (i + 1 >= arguments.size())
        throw UsageError("параметру " + std::string(name) + " не хватает значения");
    return arguments[++i];
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    if (arguments.empty())
        throw UsageError("не указана команда");
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        line.action = CommandLine::Action::Help;
        return line;
    }
    if (arguments[0] == "--version") {
        line.action = CommandLine::Action::Version;
        return line;
    }
    line.command = arguments[0];
    if (std::find(kCommands.begin(), kCommands.end(), line.command) == kCommands.end())
        throw UsageError("неизвестная команда «" + line.command + "»");

    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-o" || argument == "--output" ||
                   argument.starts_with("--output=")) {
            if (!takesOutput(line.command))
                throw UsageError("команда " + line.command + " ничего не записывает, -o не нужен");
            if (line.output)
                throw UsageError("-o указан дважды");
            line.output = optionValue(arguments, i, "-o");
        } else if (argument == "--title" || argument.starts_with("--title=")) {
            if (line.command != "import")
                throw UsageError("--title бывает только у команды import");
            line.title = optionValue(arguments, i, "--title");
        } else if (argument == "--firm" || argument.starts_with("--firm=")) {
            if (line.command != "report" && line.command != "quote")
                throw UsageError("--firm бывает только у команд report и quote");
            if (line.firm)
                throw UsageError("--firm указан дважды");
            line.firm = optionValue(arguments, i, "--firm");
        } else if (argument == "--prices" || argument.starts_with("--prices=")) {
            // Only the quotation has prices: a parts list or report with a
            // price column would be a second, unchecked quotation.
            if (line.command != "quote")
                throw UsageError("--prices бывает только у команды quote");
            if (line.prices)
                throw UsageError("--prices указан дважды");
            line.prices = optionValue(arguments, i, "--prices");
        } else if (argument == "--server" || argument.starts_with("--server=") ||
                   argument == "--login" || argument.starts_with("--login=")) {
            const bool server = argument.starts_with("--server");
            if (!talksToServer(line.command))
                throw UsageError(std::string(server ? "--server" : "--login") +
                                 " бывает только у команд push, pull и orders");
            (server ? line.server : line.login) =
                optionValue(arguments, i, server ? "--server" : "--login");
        } else if (argument == "--help" || argument == "-h") {
            line.action = CommandLine::Action::Help;
            return line;
        } else {
            throw UsageError("неизвестный параметр «" + argument + "»");
        }
    }
    if (talksToServer(line.command) && !line.server)
        throw UsageError("команде " + line.command + " нужен --server URL");
    if (line.command == "orders") {
        if (!files.empty())
            throw UsageError("команде orders файл не нужен");
        return line;
    }
    if (files.size() != 1)
        throw UsageError(files.empty() ? "не указан файл" : "указано больше одного файла");
    line.input = files.front();
    if (needsOutput(line.command) && !line.output)
        throw UsageError("команде " + line.command + " нужен -o ФАЙЛ");
    if (line.output && line.output->empty())
        throw UsageError("пустое имя файла после -o");
    return line;
}

} // namespace kavro::cli
