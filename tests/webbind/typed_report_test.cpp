// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/order/opening_calculator.h"
#include "core/platform/recording_word_processor.h"
#include "core/report/order_report.h"
#include "orderio/firm_file.h"
#include "orderio/order_file.h"
#include "typed_report.h"
#include "word_documents.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace kavro {
namespace {

std::string exampleFile(const char* name) {
    std::ifstream in(std::string(KAVRO_EXAMPLES "/") + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The example order's report on the example firm's letterhead (its logo
// included), typed by `launcher`.
void typeHouseReport(WordProcessorLauncher& launcher) {
    const Order order = OrderFile::parse(exampleFile("house.kavro"));
    std::vector<OpeningResults> results;
    for (const Opening& opening : order.openings)
        results.push_back(OpeningCalculator::compute(opening));
    const FirmDetails firm = FirmFile::read(KAVRO_EXAMPLES "/firm.json");
    typeOrderReport(order, results, "01.01.2027", *launcher.launch(), &firm);
}

// Typed again from its typing, a report makes every call it made first, in
// the same order with the same arguments, the logo's bytes included.
TEST(TypedReport, TypedAgainMakesTheSameCalls) {
    RecordingWordProcessorLauncher direct;
    typeHouseReport(direct);
    TypedReportLauncher typed;
    typeHouseReport(typed);
    ASSERT_TRUE(typed.typing);

    RecordingWordProcessorLauncher again;
    retypeReport(*typed.typing, *again.launch());
    EXPECT_EQ(again.calls, direct.calls);
    EXPECT_TRUE(std::any_of(direct.calls.begin(), direct.calls.end(), [](const std::string& call) {
        return call.starts_with("insertPicture");
    }));
}

// A typing the module did not write is refused, not half typed in silence.
TEST(TypedReport, DamagedTypingIsRefused) {
    const char* damaged[] = {
        "",
        "{}",
        R"([["addDocument"], ["typeText", 5]])",
        R"([["addDocument"], ["setCellText", 1, 1]])",
        R"([["addDocument"], ["formatDisk"]])",
        R"([["addDocument"], ["insertPicture", "bm90IGEgcGljdHVyZQ==", 10, 10]])",
        R"([["addDocument"], 7])",
    };
    for (const char* typing : damaged) {
        RecordingWordProcessorLauncher word;
        EXPECT_THROW(retypeReport(typing, *word.launch()), WordProcessorError) << typing;
    }
}

// A template that is no Word document still gives one (a blank one, as
// the typing chose); a typing that is no report is told, and gives no file.
TEST(TypedReport, WordDocumentDespiteADamagedTemplate) {
    TypedReportLauncher typed;
    typeHouseReport(typed);
    EXPECT_EQ(wordDocument(*typed.typing, "not a zip").bytes.substr(0, 2), "PK");
    const FileAnswer refused = wordDocument("[[\"typeText\", \"x\"]]", exampleLetterhead());
    EXPECT_NE(refused.error, "");
    EXPECT_EQ(refused.bytes, "");
}

} // namespace
} // namespace kavro
