// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/about_options.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Only the exact option words, alone, are answered: kavro-script reads any
// other lone argument as its script, and must go on doing so. An answer
// that cannot be written (`kavro --help > /dev/full`, the row whose status
// is 1) is no success.
TEST(AboutOptions, AnswersTheExactOptionWordsAlone) {
    const struct {
        const char* name;
        std::vector<const char*> argv;
        std::optional<int> status;
        std::string begins;
    } table[] = {
        {"Help", {"kavro-script", "--help"}, 0, "Usage: kavro-script [SCRIPT]\n\nRuns.\n\n"},
        {"Version", {"kavro-script", "--version"}, 0, "kavro-script (KAVRO drive calculator) "},
        {"Unwritable", {"kavro-script", "--help"}, 1, ""},
        {"NoArguments", {"kavro-script"}, std::nullopt, ""},
        {"AScript", {"kavro-script", "session.txt"}, std::nullopt, ""},
        {"HelpWithAScript", {"kavro-script", "--help", "session.txt"}, std::nullopt, ""},
        {"WithAValue", {"kavro-script", "--version="}, std::nullopt, ""},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        std::ostringstream out;
        out.setstate(row.status == 1 ? std::ios::badbit : std::ios::goodbit);
        const int argc = static_cast<int>(row.argv.size());
        EXPECT_EQ(kavro::answerAboutOption(argc, row.argv.data(),
                                           {"kavro-script", "[SCRIPT]", "Runs.\n"}, out),
                  row.status);
        EXPECT_TRUE(out.str().starts_with(row.begins)) << out.str();
        EXPECT_EQ(out.str().empty(), row.status != 0) << out.str();
    }
}

} // namespace
