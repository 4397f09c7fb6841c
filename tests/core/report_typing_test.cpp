// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/firm/firm_details.h"
#include "form_fixture.h"
#include "golden_lines.h"
#include "picture_bytes.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kavro {
namespace {

using Calls = std::vector<std::string>;

using ReportWindow = testing::StartedWindow;

// The calls of one click on the report button.
Calls report(ReportWindow& window) {
    window.word.calls.clear();
    EXPECT_EQ(window.input.clickButton(Field::Button1).kind, ActionResult::Kind::Done);
    return window.word.calls;
}

// Every call of the report, in order, against data/report-calls/NAME.calls;
// a differing report is left in the build folder as NAME.actual.
TEST(ReportTyping, MakesTheGoldenCallsForEachShutter) {
    const struct {
        const char* name;
        std::function<void(ReportWindow&)> describe;
    } rows[] = {
        {"default", [](ReportWindow&) {}},
        // The longest accessory list, in grid order, and the crank reading "Есть".
        {"fastlink-crank-60",
         [](ReportWindow& w) {
             w.input.pick(Field::Diametr, 1);
             w.input.click(Field::Kreplenie, 2);
             w.input.check(Field::NHK);
         }},
        {"third-drive",
         [](ReportWindow& w) {
             w.input.pick(Field::Diametr, 1);
             w.input.pressCell(Field::Spisok, 0, 3);
         }},
        // Both tables get one empty row.
        {"no-drive", [](ReportWindow& w) { w.input.replace(Field::Wirina, "300"); }},
        // A template that does not open gives way to a blank document.
        {"blank-document", [](ReportWindow& w) { w.word.refuse = {"openTemplate"}; }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ReportWindow window;
        row.describe(window);
        const Calls calls = report(window);
        const std::string name = row.name;
        if (calls != testing::readGoldenLines(KAVRO_TEST_DATA "/report-calls/" + name + ".calls")) {
            testing::writeGoldenLines(KAVRO_TEST_OUTPUT "/" + name + ".actual", calls);
            ADD_FAILURE() << "calls differ; see " KAVRO_TEST_OUTPUT "/" << name << ".actual";
        }
        EXPECT_TRUE(window.recorders.messageBox.shown.empty());
    }
}

// Every failure of the word processor ends the report silently; the report
// changes no control and not the chosen drive.
TEST(ReportTyping, AFailingWordProcessorEndsTheReportSilentlyAndChangesNothing) {
    const struct {
        const char* name;
        bool available;
        std::vector<std::string> refuse;
        std::size_t calls; // how many calls were made
    } rows[] = {
        {"not installed", false, {}, 0},
        {"no blank document either", true, {"openTemplate", "addDocument"}, 2},
        {"unknown table style", true, {"setTableStyle"}, 43},
        {"refused cell", true, {"setCellText: 2 3 2"}, 91},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ReportWindow window;
        window.input.pick(Field::Diametr, 1);
        window.input.pressCell(Field::Spisok, 1, 2);
        std::vector<Field> changed;
        window.form.setChangeListener([&](Field f) { changed.push_back(f); });
        window.word.available = row.available;
        window.word.refuse = row.refuse;
        const Calls calls = report(window);
        EXPECT_EQ(calls.size(), row.calls);
        EXPECT_TRUE(std::find(calls.begin(), calls.end(), "handOver") == calls.end());
        EXPECT_TRUE(window.recorders.messageBox.shown.empty());
        EXPECT_TRUE(changed.empty()) << fieldName(changed.front());
        EXPECT_EQ(window.form.VybrannayaStroka, 2);
        EXPECT_EQ(window.form.focus(), Field::Button1);
    }
}

TEST(ReportTyping, AReportThatCannotBeHandedOverIsShown) {
    ReportWindow window;
    window.word.notDelivered = "Не удалось записать отчёт";
    const ActionResult result = window.input.clickButton(Field::Button1);
    EXPECT_EQ(result.kind, ActionResult::Kind::Failed);
    ASSERT_EQ(window.recorders.messageBox.shown.size(), 1u);
    EXPECT_EQ(window.recorders.messageBox.shown[0].title, "kavro");
    EXPECT_EQ(window.recorders.messageBox.shown[0].text, "Не удалось записать отчёт.");
}

TEST(ReportTyping, WithoutAWordProcessorTheButtonOnlyTakesTheFocus) {
    RecordingServices recorders;
    TForm1 form(recorders.services("kavro"));
    UserInput input(form);
    input.start();
    EXPECT_EQ(input.clickButton(Field::Button1).kind, ActionResult::Kind::Done);
    EXPECT_EQ(form.focus(), Field::Button1);
    EXPECT_TRUE(recorders.messageBox.shown.empty());
}

// The click leaves the emptied height first, so its put-back text is typed.
TEST(ReportTyping, TheClickRunsTheExitHandlerBeforeTheReport) {
    ReportWindow window;
    window.input.replace(Field::Visota, "");
    std::vector<std::string_view> trace;
    window.form.setTrace(&trace);
    const Calls calls = report(window);
    window.form.setTrace(nullptr);
    EXPECT_EQ(trace.front(), "VisotaExit");
    EXPECT_EQ(trace.back(), "Button1Click");
    EXPECT_NE(std::find(calls.begin(), calls.end(), "typeText: \r\nВысота полотна:  1000 мм"),
              calls.end());
    EXPECT_EQ(window.word.launches, 1);
}

// A PNG header of that size, all a picture's header needs, as a file.
std::filesystem::path pngFile(const std::string& name, std::uint32_t width, std::uint32_t height) {
    const auto path = std::filesystem::temp_directory_path() / ("kavro-typing-" + name);
    std::ofstream(path, std::ios::binary) << test::pngHeader(width, height);
    return path;
}

// The firm's letterhead takes the template's place, before the title; a
// firm that has set nothing but prices leaves the template as it was. A
// logo stands 36 points high above it, narrowed to 240 points at most; one
// that cannot be read is left out and the letterhead stays.
TEST(ReportTyping, TheFirmsLetterheadTakesTheTemplatesPlace) {
    FirmDetails named;
    named.name = "ООО «Ставни»";
    named.phone = "1";
    named.inn = "6900000000";
    FirmDetails pricesOnly;
    pricesOnly.vat = Percent{2000};
    const Calls headed = {"addDocument",          "setAlignment: Center",         "setFontSize: 10",
                          "setBold: true",        "typeText: ООО «Ставни»",       "setBold: false",
                          "typeText: \r\nтел. 1", "typeText: \r\nИНН 6900000000", "typeText: \r\n ",
                          "typeText: \r\n",       "setAlignment: Center"};
    const auto withLogo = [&](std::filesystem::path logo) {
        FirmDetails firm = named;
        firm.logo = std::move(logo);
        return firm;
    };
    const auto withPicture = [&](const std::string& call) {
        Calls calls = headed;
        calls.insert(calls.begin() + 3, {call, "typeText: \r\n"});
        return calls;
    };
    const FirmDetails small = withLogo(pngFile("small.png", 40, 12));
    const FirmDetails widest = withLogo(pngFile("widest.png", 100, 15));
    const FirmDetails wide = withLogo(pngFile("wide.png", 120, 1));
    const FirmDetails missing = withLogo(std::filesystem::temp_directory_path() / "kavro-none.png");
    FirmDetails notAPicture = withLogo(std::filesystem::temp_directory_path() / "kavro-typing.txt");
    std::ofstream(notAPicture.logo) << "GIF89a";
    const struct {
        const FirmDetails* firm;
        Calls start;
    } rows[] = {
        {&named, headed},
        {&pricesOnly, {"openTemplate", "setAlignment: Center"}},
        {nullptr, {"openTemplate", "setAlignment: Center"}},
        {&small, withPicture("insertPicture: png 40 12 120 36")},
        {&widest, withPicture("insertPicture: png 100 15 240 36")},
        {&wide, withPicture("insertPicture: png 120 1 240 2")},
        {&missing, headed},
        {&notAPicture, headed},
    };
    for (const auto& row : rows) {
        RecordingServices recorders;
        RecordingWordProcessorLauncher word;
        Services services = recorders.services();
        services.wordProcessor = &word;
        services.firm = row.firm;
        TForm1 form{services};
        UserInput input{form};
        ASSERT_EQ(input.start().kind, ActionResult::Kind::Done);
        ASSERT_EQ(input.clickButton(Field::Button1).kind, ActionResult::Kind::Done);
        ASSERT_GE(word.calls.size(), row.start.size());
        EXPECT_EQ(Calls(word.calls.begin(), word.calls.begin() + row.start.size()), row.start);
        EXPECT_EQ(word.calls[row.start.size()], "setBold: true") << "the title follows";
    }
    for (const FirmDetails* firm :
         {&small, &widest, &wide, static_cast<const FirmDetails*>(&notAPicture)})
        std::filesystem::remove(firm->logo);
}

} // namespace
} // namespace kavro
