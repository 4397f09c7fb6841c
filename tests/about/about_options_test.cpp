// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/about_options.h"

#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace kavro {
namespace {

constexpr ProgramAbout kScript{"kavro-script", "[SCRIPT]", "Runs scripts.\n"};

struct Answer {
    std::optional<int> status;
    std::string text;
};

Answer answer(std::vector<const char*> arguments, const ProgramAbout& about = kScript) {
    arguments.insert(arguments.begin(), "/usr/bin/kavro-script");
    std::ostringstream out;
    const auto status =
        answerAboutOption(static_cast<int>(arguments.size()), arguments.data(), about, out);
    return {status, out.str()};
}

TEST(AboutOptions, HelpBeginsWithTheUsageLineThatManualPagesAreMadeFrom) {
    const Answer help = answer({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.text.starts_with("Usage: kavro-script [SCRIPT]\n\nRuns scripts.\n"))
        << help.text;
    EXPECT_NE(help.text.find("\n  --version  "), std::string::npos) << help.text;
}

TEST(AboutOptions, UsageLineOfAProgramWithoutArgumentsEndsAtItsName) {
    const Answer help = answer({"--help"}, {"kavro", "", "Opens the window.\n"});
    EXPECT_TRUE(help.text.starts_with("Usage: kavro\n\n")) << help.text;
}

TEST(AboutOptions, VersionLineNamesTheProgramAndTheRelease) {
    const Answer version = answer({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(std::regex_match(std::string(programVersion()), std::regex(R"(\d+\.\d+(\.\d+)?)")))
        << programVersion();
    EXPECT_TRUE(version.text.starts_with("kavro-script (KAVRO drive calculator) " +
                                         std::string(programVersion()) + "\nCopyright"))
        << version.text;
}

// Every other command line stays the program's own: kavro-script reads a
// lone argument as its script, so only the exact option words are taken.
TEST(AboutOptions, LeavesEveryOtherCommandLineToTheProgram) {
    const std::vector<std::pair<const char*, std::vector<const char*>>> table = {
        {"NoArguments", {}},
        {"AScript", {"session.txt"}},
        {"HelpWithAScript", {"--help", "session.txt"}},
        {"ScriptThenHelp", {"session.txt", "--help"}},
        {"ShortOption", {"-h"}},
        {"OtherCase", {"--HELP"}},
        {"WithValue", {"--version="}},
        {"LongerWord", {"--versions"}},
        {"PrefixOnly", {"--"}},
        {"EmptyArgument", {""}},
    };
    for (const auto& [name, arguments] : table) {
        SCOPED_TRACE(name);
        const Answer other = answer(arguments);
        EXPECT_EQ(other.status, std::nullopt);
        EXPECT_EQ(other.text, "");
    }
}

TEST(AboutOptions, AnswerThatCannotBeWrittenIsAFailure) {
    for (const char* option : {"--help", "--version"}) {
        SCOPED_TRACE(option);
        std::ostringstream out;
        out.setstate(std::ios::badbit);
        const char* arguments[] = {"kavro", option};
        EXPECT_EQ(answerAboutOption(2, arguments, kScript, out), 1);
    }
}

} // namespace
} // namespace kavro
