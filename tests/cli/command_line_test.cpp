// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"
#include "commands.h"
#include "orderio/opening_columns.h"
#include "report/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace kavro::cli {
namespace {

struct Accepted {
    const char* name;
    std::vector<std::string> arguments;
    std::string input;
    std::string output; // empty: none
    std::string title;  // empty: none
};

TEST(CommandLine, AcceptsOptionsAnywhereAndInBothSpellings) {
    const Accepted cases[] = {
        {"OutputAfterFile", {"import", "a.csv", "-o", "b.kavro"}, "a.csv", "b.kavro", ""},
        {"OutputBeforeFile", {"export", "-o", "b.csv", "a.kavro"}, "a.kavro", "b.csv", ""},
        {"LongOutputWithEquals", {"report", "a.kavro", "--output=r.docx"}, "a.kavro", "r.docx", ""},
        {"TitleWithSpacesAndEquals",
         {"import", "--title=Дом = 5", "a.csv", "-o", "b.kavro"},
         "a.csv",
         "b.kavro",
         "Дом = 5"},
        {"DashedFileAfterDoubleDash", {"check", "--", "-odd.kavro"}, "-odd.kavro", "", ""},
        {"BomWithoutOutput", {"bom", "a.kavro"}, "a.kavro", "", ""},
    };
    for (const Accepted& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandLine line = parseCommandLine(c.arguments);
        EXPECT_EQ(line.input, c.input);
        EXPECT_EQ(line.output.value_or(""), c.output);
        EXPECT_EQ(line.title.value_or(""), c.title);
    }
}

// Wrong usage exits 2 and writes nothing to standard output.
TEST(CommandLine, WrongUsageExitsTwo) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"Nothing", {}},
        {"UnknownCommand", {"imprt", "a.csv"}},
        {"NoFile", {"check"}},
        {"TwoFiles", {"check", "a.kavro", "b.kavro"}},
        {"ImportWithoutOutput", {"import", "a.csv"}},
        {"OutputWithoutValue", {"export", "a.kavro", "-o"}},
        {"OutputTwice", {"export", "a.kavro", "-o", "b", "-o", "c"}},
        {"CheckWritesNothing", {"check", "a.kavro", "-o", "b"}},
        {"TitleOnlyForImport", {"export", "a.kavro", "-o", "b", "--title", "x"}},
        {"UnknownOption", {"check", "a.kavro", "--verbose"}},
        {"FirmOnlyForReport", {"export", "a.kavro", "-o", "b", "--firm", "f.json"}},
        {"FirmTwice", {"report", "a.kavro", "-o", "b.pdf", "--firm=f", "--firm=g"}},
        {"PricesOnlyForQuote", {"bom", "a.kavro", "--prices", "p.csv"}},
        {"PricesTwice", {"quote", "a.kavro", "-o", "q.csv", "--prices=p", "--prices=q"}},
        {"QuoteWithoutOutput", {"quote", "a.kavro", "--prices", "p.csv"}},
    };
    for (const auto& [name, arguments] : cases) {
        SCOPED_TRACE(name);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(run(arguments, out, err, false), kWrongUsage);
        EXPECT_EQ(out.str(), "");
        EXPECT_NE(err.str().find("kavro-order --help"), std::string::npos) << err.str();
    }
}

// A firm file that cannot be read fails the report at the fault's place
// and writes no report without the letterhead asked for.
TEST(CommandLine, ADamagedFirmFileFailsTheReport) {
    const test::TempFolder folder;
    const std::string firm = (folder / "firm.json").string();
    std::ofstream(firm) << "{\"format\": \"kavro-firm\", \"version\": 1,\n \"inn\": \"1\"}";
    const std::string report = (folder / "r.docx").string();
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run({"report", KAVRO_EXAMPLES "/house.kavro", "-o", report, "--firm", firm}, out, err,
                  false),
              kFailed);
    EXPECT_EQ(err.str(), firm + ":2:2: поле «inn»: ИНН — 10 или 12 цифр\n");
    EXPECT_FALSE(std::filesystem::exists(report));
}

TEST(CommandLine, OutputOverTheInputIsRefusedAndTheInputKept) {
    const test::TempFolder folder;
    const std::string order = (folder / "house.kavro").string();
    std::ofstream(order) << "{}";
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(
        run({"export", order, "-o", folder.path().string() + "/./house.kavro"}, out, err, false),
        kWrongUsage);
    std::ifstream in(order);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "{}");
}

// An option a command does not take is refused with the commands that do,
// one or several.
TEST(CommandLine, AMisplacedOptionNamesTheCommandsTakingIt) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"bom", "a.kavro", "--title", "x"}, "--title бывает только у команды import\n"},
        {{"bom", "a.kavro", "--firm", "f"}, "--firm бывает только у команд report и quote\n"},
    };
    for (const auto& [arguments, message] : cases) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(run(arguments, out, err, false), kWrongUsage);
        EXPECT_NE(err.str().find(message), std::string::npos) << err.str();
    }
}

// The spreadsheet's columns are listed whole, however the lines fall.
TEST(CommandLine, HelpListsEverySpreadsheetColumn) {
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(run({"--help"}, out, err, false), kDone);
    for (int column = 0; column < kOpeningColumnCount; ++column) {
        const std::string_view name = columnName(static_cast<OpeningColumn>(column));
        EXPECT_NE(out.str().find(name), std::string::npos) << name;
    }
}

TEST(CommandLine, HelpNamesEveryCommandAndExitStatus) {
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(run({"--help"}, out, err, false), kDone);
    for (const char* word : {"Usage: kavro-order", "import", "check", "export", "bom", "report",
                             "--title", "--version", "Коды завершения", "  2  "})
        EXPECT_NE(out.str().find(word), std::string::npos) << word;
}

} // namespace
} // namespace kavro::cli
