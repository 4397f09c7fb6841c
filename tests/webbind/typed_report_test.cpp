// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/order/opening_calculator.h"
#include "core/platform/recording_word_processor.h"
#include "core/report/order_report.h"
#include "orderio/firm_file.h"
#include "orderio/order_file.h"
#include "typed_report.h"
#include "word_documents.h"
#include "zip/zip_archive.h"

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

// The example order's report typed by `launcher`: on the example firm's
// letterhead (its logo included), or on the template without a firm.
void typeHouseReport(WordProcessorLauncher& launcher, bool letterhead = true) {
    const Order order = OrderFile::parse(exampleFile("house.kavro"));
    std::vector<OpeningResults> results;
    for (const Opening& opening : order.openings)
        results.push_back(OpeningCalculator::compute(opening));
    const FirmDetails firm = FirmFile::read(KAVRO_EXAMPLES "/firm.json");
    typeOrderReport(order, results, "1 января 2027 г.", *launcher.launch(),
                    letterhead ? &firm : nullptr);
}

// The text of a Word document's main part.
std::string mainPart(const std::string& docx) {
    const std::optional<std::vector<ZipEntry>> entries = readZip(docx, {});
    if (!entries)
        return {};
    const auto main = std::find_if(entries->begin(), entries->end(), [](const ZipEntry& entry) {
        return entry.name == "word/document.xml";
    });
    return main == entries->end() ? std::string() : main->bytes;
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

// The firm's template when it is a Word document, the example letterhead
// when there is none, a blank document when it is no Word document; a
// typing that is no report is told, and gives no file.
TEST(TypedReport, WordDocumentAfterTheTemplate) {
    TypedReportLauncher typed;
    typeHouseReport(typed, false);
    ASSERT_TRUE(typed.typing);
    const std::string example = exampleLetterhead();
    const struct {
        std::string templateBytes;
        bool letterhead;
    } rows[] = {{"", true}, {example, true}, {"not a zip", false}};
    for (const auto& row : rows) {
        const FileAnswer answer = wordDocument(*typed.typing, row.templateBytes);
        ASSERT_EQ(answer.error, "");
        const std::string text = mainPart(answer.bytes);
        EXPECT_NE(text.find("Кухня"), std::string::npos);
        EXPECT_EQ(text.find("НАЗВАНИЕ ОРГАНИЗАЦИИ") != std::string::npos, row.letterhead);
    }
    const FileAnswer refused = wordDocument("[[\"typeText\", \"x\"]]", example);
    EXPECT_NE(refused.error, "");
    EXPECT_EQ(refused.bytes, "");
}

} // namespace
} // namespace kavro
