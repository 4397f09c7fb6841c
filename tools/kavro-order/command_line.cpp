// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include "command_table.h"

#include <string_view>

namespace kavro::cli {

namespace {

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
    const Command* command = commandNamed(line.command);
    if (!command)
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
            if (command->output == OutputOption::None)
                throw UsageError("команда " + line.command + " ничего не записывает, -o не нужен");
            if (line.output)
                throw UsageError("-o указан дважды");
            line.output = optionValue(arguments, i, "-o");
        } else if (argument == "--title" || argument.starts_with("--title=")) {
            if (!command->title)
                throw UsageError("--title бывает только у " + commandsTaking(&Command::title));
            line.title = optionValue(arguments, i, "--title");
        } else if (argument == "--firm" || argument.starts_with("--firm=")) {
            if (!command->firm)
                throw UsageError("--firm бывает только у " + commandsTaking(&Command::firm));
            if (line.firm)
                throw UsageError("--firm указан дважды");
            line.firm = optionValue(arguments, i, "--firm");
        } else if (argument == "--prices" || argument.starts_with("--prices=")) {
            // Only the quotation has prices: a parts list or report with a
            // price column would be a second, unchecked quotation.
            if (!command->prices)
                throw UsageError("--prices бывает только у " + commandsTaking(&Command::prices));
            if (line.prices)
                throw UsageError("--prices указан дважды");
            line.prices = optionValue(arguments, i, "--prices");
        } else if (argument == "--server" || argument.starts_with("--server=") ||
                   argument == "--login" || argument.starts_with("--login=")) {
            const bool server = argument.starts_with("--server");
            if (!command->server)
                throw UsageError(std::string(server ? "--server" : "--login") +
                                 " бывает только у " + commandsTaking(&Command::server));
            (server ? line.server : line.login) =
                optionValue(arguments, i, server ? "--server" : "--login");
        } else if (argument == "--help" || argument == "-h") {
            line.action = CommandLine::Action::Help;
            return line;
        } else {
            throw UsageError("неизвестный параметр «" + argument + "»");
        }
    }
    if (command->server && !line.server)
        throw UsageError("команде " + line.command + " нужен --server URL");
    if (!command->file) {
        if (!files.empty())
            throw UsageError("команде " + line.command + " файл не нужен");
        return line;
    }
    if (files.size() != 1)
        throw UsageError(files.empty() ? "не указан файл" : "указано больше одного файла");
    line.input = files.front();
    if (command->output == OutputOption::Required && !line.output)
        throw UsageError("команде " + line.command + " нужен -o ФАЙЛ");
    if (line.output && line.output->empty())
        throw UsageError("пустое имя файла после -o");
    return line;
}

} // namespace kavro::cli
