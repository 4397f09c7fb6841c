// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_options.h"

namespace kavro {
namespace {

void writeHelp(const ProgramAbout& about, std::ostream& out) {
    out << "Usage: " << about.name;
    if (!about.arguments.empty())
        out << ' ' << about.arguments;
    out << "\n\n"
        << about.description << "\nOptions:\n"
        << "  --help     show this help and exit\n"
        << "  --version  show the version and exit\n"
        << "\nReport bugs to: dev@kavro.example\n";
}

} // namespace

// help2man takes the first line as the version and the rest as the
// manual page's copyright section.
void writeVersion(std::string_view program, std::ostream& out) {
    out << program << " (KAVRO drive calculator) " << programVersion() << '\n'
        << "Copyright (C) 2026 The KAVRO calculator developers\n"
        << "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
        << "This is free software: you are free to change and redistribute it.\n"
        << "There is NO WARRANTY, to the extent permitted by law.\n";
}

std::string_view programVersion() {
    return KAVRO_VERSION;
}

std::optional<int> answerAboutOption(int argc, const char* const* argv, const ProgramAbout& about,
                                     std::ostream& out) {
    if (argc != 2)
        return std::nullopt;
    const std::string_view option = argv[1];
    if (option == "--help")
        writeHelp(about, out);
    else if (option == "--version")
        writeVersion(about.name, out);
    else
        return std::nullopt;
    // `kavro --help > /dev/full` must not pass for a success.
    out.flush();
    return out ? 0 : 1;
}

} // namespace kavro
