// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculator.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <set>

namespace kavro {
namespace {

using Json = nlohmann::ordered_json;

TEST(WholeNumber, TakesOnlyWholeNumbersADoubleHoldsExactly) {
    const struct {
        double value;
        std::optional<std::int64_t> whole;
    } rows[] = {{0, 0},
                {-0.0, 0},
                {-1, -1},
                {1.5, std::nullopt},
                {-0.5, std::nullopt},
                {9007199254740992.0, 9007199254740992},
                {-9007199254740992.0, -9007199254740992},
                {9007199254740994.0, std::nullopt},
                {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
                {std::numeric_limits<double>::infinity(), std::nullopt}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(wholeNumber(row.value), row.whole);
    }
}

// Every control whose dump an action altered is among the fields the
// answer names, each once: the page redraws only those.
TEST(Calculator, NamesEveryControlThatChangedOnce) {
    const struct {
        const char* name;
        std::function<std::string(Calculator&)> action;
    } rows[] = {
        {"start", [](Calculator& c) { return c.start(); }},
        {"type height", [](Calculator& c) { return c.type("Visota", "2400"); }},
        {"backspace", [](Calculator& c) { return c.backspace("Visota", 2); }},
        {"pick shaft", [](Calculator& c) { return c.pick("Diametr", 3); }},
        {"mounting", [](Calculator& c) { return c.click("Montazh", 1); }},
        {"crank", [](Calculator& c) { return c.check("NHK"); }},
        {"drive row", [](Calculator& c) { return c.cell("Spisok", 1, 1); }},
        {"tab", [](Calculator& c) { return c.tab(1); }},
        {"paste width", [](Calculator& c) { return c.paste("Wirina", "1,5\n7"); }},
        {"leave field", [](Calculator& c) { return c.focus("Visota"); }},
    };
    Calculator calc;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Json before = Json::parse(calc.dump());
        const Json answer = Json::parse(row.action(calc));
        const Json after = Json::parse(calc.dump());
        std::set<std::string> named;
        for (const auto& name : answer["changed"])
            EXPECT_TRUE(named.insert(name.get<std::string>()).second) << name << " twice";
        for (const auto& [key, value] : after.items()) {
            if (key == "selection" || key == "clipboard" || key == "focus")
                continue;
            if (value != before[key]) {
                EXPECT_TRUE(named.count(key)) << key << " changed unnamed";
            }
        }
        EXPECT_EQ(answer["focus"], after["focus"]);
    }
}

TEST(Calculator, AnswersWhatThePlatformWasAskedOnlyWhenItWas) {
    Calculator calc;
    calc.start();
    const Json typed = Json::parse(calc.type("Visota", "2000"));
    EXPECT_EQ(typed["result"], "done");
    EXPECT_FALSE(typed.contains("clipboard"));
    EXPECT_FALSE(typed.contains("open"));

    // A press on the drive list copies the cell, even the same text again.
    const Json pressed = Json::parse(calc.cell("Spisok", 1, 1));
    ASSERT_TRUE(pressed.contains("clipboard"));
    EXPECT_EQ(pressed["clipboard"], Json::parse(calc.control("Spisok"))["rows"][1][1]);
    EXPECT_EQ(Json::parse(calc.cell("Spisok", 1, 1))["clipboard"], pressed["clipboard"]);
    EXPECT_FALSE(Json::parse(calc.tab(0)).contains("clipboard"));

    const Json link = Json::parse(calc.link("Label30"));
    ASSERT_TRUE(link.contains("open"));
    EXPECT_EQ(link["open"].get<std::string>().rfind("https://", 0), 0u);
}

TEST(Calculator, RefusesAndFailsInTheDriversWords) {
    Calculator calc;
    calc.start();
    const struct {
        const char* name;
        std::function<std::string(Calculator&)> action;
        const char* result;
        const char* key;
        const char* text;
    } rows[] = {
        {"unknown control", [](Calculator& c) { return c.type("Nothing", "5"); }, "refused",
         "refused", "no control named Nothing"},
        {"fractional caret", [](Calculator& c) { return c.caret("Visota", 0.5); }, "refused",
         "refused", "caret takes a whole number"},
        {"fractional tab", [](Calculator& c) { return c.tab(0.5); }, "refused", "refused",
         "tab takes a tab index"},
        {"bad height", [](Calculator& c) { return c.replace("Visota", "abc"); }, "failed", "error",
         "'abc' is not a valid floating point value."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Json answer = Json::parse(row.action(calc));
        EXPECT_EQ(answer["result"], row.result);
        EXPECT_EQ(answer[row.key], row.text);
    }
}

// The page puts the caret back where the core has it, in code points.
TEST(Calculator, ControlCarriesCaretAndSelectionOfTextFields) {
    Calculator calc;
    calc.start();
    calc.replace("Visota", "2ё00");
    calc.select("Visota", 1, 2);
    const Json visota = Json::parse(calc.control("Visota"));
    EXPECT_EQ(visota["caret"], 3);
    EXPECT_EQ(visota["selection"], Json::parse("[1,2]"));
    EXPECT_EQ(visota["text"], Json::parse(calc.dump())["Visota"]["text"]);
    EXPECT_TRUE(Json::parse(calc.control("Diametr")).contains("caret"));
    EXPECT_FALSE(Json::parse(calc.control("Montazh")).contains("caret"));
    EXPECT_EQ(calc.control("Button1"), "null");
    EXPECT_EQ(calc.control("Nothing"), "null");
}

// The report button hands back the whole report, the user's text escaped.
TEST(Calculator, ReportReturnsThePrintableDocument) {
    Calculator calc;
    calc.start();
    calc.replace("Visota", "<b>&");
    const Json answer = Json::parse(calc.report());
    EXPECT_EQ(answer["focus"], "Button1");
    ASSERT_TRUE(answer.contains("report"));
    const std::string html = answer["report"];
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("Высота полотна:  &lt;b&gt;&amp; мм"), std::string::npos);
    EXPECT_EQ(html.find("<b>"), std::string::npos);
    EXPECT_FALSE(Json::parse(calc.tab(0)).contains("report"));
}

// Every state field the page shows has its place, and every caption and
// unit names a field that exists.
TEST(Calculator, FormLayoutPlacesEveryShownControl) {
    Calculator calc;
    const Json layout = Json::parse(calc.formLayout());
    EXPECT_EQ(layout["window"]["title"], "KAVRO подбор привода v.1.1");
    EXPECT_EQ(layout["window"]["width"], 897);
    std::set<std::string> placed;
    int radios = 0;
    std::map<std::string, std::set<std::string>> controls;
    for (const Json& item : layout["items"]) {
        ASSERT_EQ(item["rect"].size(), 4u) << item.dump();
        if (item.contains("for")) {
            EXPECT_TRUE(fieldByName(item["for"].get<std::string>())) << item.dump();
        }
        if (item.contains("name"))
            placed.insert(item["name"]);
        radios += item["kind"] == "radio";
        if (item["kind"] == "field")
            controls[item["control"]].insert(item["name"]);
    }
    // What the page builds for each field comes with the layout.
    EXPECT_EQ(controls["pick"], (std::set<std::string>{"Profil", "TipProfilya"}));
    EXPECT_EQ(controls["combo"], std::set<std::string>{"Diametr"});
    for (int i = 0; i < kFieldCount; ++i) {
        EXPECT_TRUE(placed.count(std::string(fieldName(static_cast<Field>(i)))))
            << fieldName(static_cast<Field>(i));
    }
    EXPECT_EQ(radios, 2 + 2 + 3);
    EXPECT_EQ(layout["items"][0]["text"], "ООО «Кавро Привод», 2024");
}

} // namespace
} // namespace kavro
