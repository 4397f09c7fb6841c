// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_calculator.h"
#include "orderio/order_file.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace kavro {
namespace {

using Json = nlohmann::ordered_json;

std::string houseOrder() {
    std::ifstream in(KAVRO_EXAMPLES "/house.kavro", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The example order, opened and shown in a started form.
struct House {
    House() {
        calc.start();
        const Json opened = Json::parse(calc.openOrder("house.kavro", houseOrder(), false));
        EXPECT_EQ(opened["result"], "done");
    }
    Json order() { return Json::parse(calc.orderState())["order"]; }
    OrderCalculator calc;
};

using Action = std::function<std::string(OrderCalculator&)>;

// The stated limits, each value on both sides: a refused call changes
// nothing of the order.
TEST(OrderCalculator, TakesTheLimitsAndRefusesBeyondThem) {
    const struct {
        const char* name;
        Action action;
        bool done;
    } rows[] = {
        {"count 0", [](OrderCalculator& c) { return c.setCount(0, "0"); }, false},
        {"count 1", [](OrderCalculator& c) { return c.setCount(0, "1"); }, true},
        {"count 999", [](OrderCalculator& c) { return c.setCount(0, "999"); }, true},
        {"count 1000", [](OrderCalculator& c) { return c.setCount(0, "1000"); }, false},
        {"count 2.5", [](OrderCalculator& c) { return c.setCount(0, "2.5"); }, false},
        {"count in hex", [](OrderCalculator& c) { return c.setCount(0, "0x10"); }, false},
        {"count in spaces", [](OrderCalculator& c) { return c.setCount(0, " 7 "); }, true},
        {"quantity -1", [](OrderCalculator& c) { return c.setQuantity("4200003", "-1"); }, false},
        {"quantity 0", [](OrderCalculator& c) { return c.setQuantity("4200001", "0"); }, true},
        {"quantity 999", [](OrderCalculator& c) { return c.setQuantity("4200003", "999"); }, true},
        {"quantity 1000", [](OrderCalculator& c) { return c.setQuantity("4200003", "1000"); },
         false},
        {"no article", [](OrderCalculator& c) { return c.setQuantity("", "1"); }, false},
        {"choose last", [](OrderCalculator& c) { return c.choose(4); }, true},
        {"choose past last", [](OrderCalculator& c) { return c.choose(5); }, false},
        {"choose -1", [](OrderCalculator& c) { return c.choose(-1); }, false},
        {"move up first", [](OrderCalculator& c) { return c.moveUp(); }, false},
        {"move down first", [](OrderCalculator& c) { return c.moveDown(); }, true},
        {"move onto itself", [](OrderCalculator& c) { return c.move(2, 2); }, false},
        {"move to last", [](OrderCalculator& c) { return c.move(0, 4); }, true},
        {"move past last", [](OrderCalculator& c) { return c.move(0, 5); }, false},
        {"move down last", [](OrderCalculator& c) { return c.choose(4), c.moveDown(); }, false},
        {"location past last", [](OrderCalculator& c) { return c.setLocation(5, "x"); }, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        House house;
        const std::string before = house.calc.saveOrder().bytes;
        const Json answer = Json::parse(row.action(house.calc));
        EXPECT_EQ(answer["result"], row.done ? "done" : "refused");
        if (!row.done) {
            EXPECT_EQ(house.calc.saveOrder().bytes, before);
        }
    }
}

TEST(OrderCalculator, KeepsTheLastOpening) {
    OrderCalculator calc;
    calc.start();
    EXPECT_EQ(Json::parse(calc.remove())["refused"], "Единственный проём заказа не удаляется.");
    calc.add();
    const Json removed = Json::parse(calc.remove());
    EXPECT_EQ(removed["result"], "done");
    EXPECT_EQ(removed["order"]["size"], 1);
    EXPECT_EQ(Json::parse(calc.remove())["result"], "refused");
}

TEST(OrderCalculator, CopiesJustAfterTheOriginal) {
    House house;
    house.calc.choose(1);
    const Json copied = Json::parse(house.calc.copy());
    EXPECT_EQ(copied["order"]["size"], 6);
    EXPECT_EQ(copied["order"]["current"], 2);
    Json rows = Json::parse(house.calc.rows(1, 3))["rows"];
    EXPECT_EQ(rows[1]["location"], rows[0]["location"]);
    EXPECT_EQ(rows[1]["torque"], rows[0]["torque"]);
    EXPECT_EQ(rows[2]["location"], "Спальня");
}

// The form is the current opening: a keystroke changes its row at once, an
// action that changes nothing leaves the revision where it was.
TEST(OrderCalculator, AFormActionChangesTheCurrentRow) {
    House house;
    house.calc.choose(2);
    const auto revision = house.order()["revision"];
    const Json focused = Json::parse(house.calc.focus("Visota"));
    EXPECT_EQ(focused["order"]["revision"], revision);
    EXPECT_TRUE(focused["order"]["rows"].empty());

    const Json typed = Json::parse(house.calc.replace("Visota", "1500"));
    ASSERT_EQ(typed["order"]["rows"].size(), 1u);
    EXPECT_EQ(typed["order"]["rows"][0]["index"], 2);
    EXPECT_EQ(typed["order"]["rows"][0]["size"], "1000 × 1500");
    EXPECT_GT(typed["order"]["revision"], revision);
    EXPECT_TRUE(typed["order"]["modified"]);
    EXPECT_NE(house.calc.saveOrder().bytes.find("\"1500\""), std::string::npos);
}

// Showing an opening is not the user's doing: its texts stay the order's
// even when the form has no such choice (and shows its first), the
// refusal is its problem, and the drive list's press leaves the clipboard
// alone.
TEST(OrderCalculator, ShowingAnOpeningTakesNothingBackFromTheForm) {
    OrderCalculator calc;
    calc.start();
    std::string text = houseOrder();
    const std::string profile = "\"profile\": \"Alutech\"";
    text.replace(text.find(profile), profile.size(), "\"profile\": \"Нет такого\"");
    ASSERT_EQ(Json::parse(calc.openOrder("house.kavro", text, false))["result"], "done");
    calc.choose(1);
    const Json back = Json::parse(calc.choose(0));
    EXPECT_FALSE(back.contains("clipboard"));
    EXPECT_FALSE(back["order"]["problems"].empty());
    EXPECT_NE(calc.saveOrder().bytes.find("Нет такого"), std::string::npos);
    EXPECT_FALSE(back["order"]["modified"]);
}

TEST(OrderCalculator, KeepsRestoredWorkUnsavedUntilThePageSaysSaved) {
    OrderCalculator calc;
    calc.start();
    const Json restored = Json::parse(calc.openOrder("x", houseOrder(), true));
    EXPECT_TRUE(restored["order"]["modified"]);
    EXPECT_TRUE(restored["order"]["reload"]);
    EXPECT_TRUE(calc.saveOrder().error.empty());
    EXPECT_TRUE(Json::parse(calc.orderState())["order"]["modified"]);
    EXPECT_FALSE(Json::parse(calc.markSaved())["order"]["modified"]);
}

TEST(OrderCalculator, ImportsIntoAnUntouchedOrderAndRefusesWorkbooks) {
    OrderCalculator calc;
    calc.start();
    const std::string good = "Проём;Высота полотна, мм\r\nКухня;1500\r\nЗал;1600\r\n";
    const Json imported = Json::parse(calc.importOpenings("p.csv", good));
    EXPECT_EQ(imported["order"]["size"], 2); // the untouched blank opening gave way
    const Json book = Json::parse(calc.importOpenings("p.xlsx", std::string("PK\x03\x04", 4)));
    EXPECT_EQ(book["result"], "failed");
}

// A change that is not the page's (another device, a file merged in) comes
// through the binding by the opening's id; the answer shows it in the list,
// and in the form when the form shows that opening.
TEST(OrderCalculator, AnOpeningChangedElsewhereIsShownAtOnce) {
    House house;
    std::vector<std::string> news;
    house.calc.setNewsListener([&](const std::string& answer) { news.push_back(answer); });
    const Json first = Json::parse(house.calc.rows(0, 2))["rows"];
    Order changed = OrderFile::parse(houseOrder());
    changed.openings.resize(1);
    changed.openings[0].inputs.width = "1111";
    const Json shown =
        Json::parse(house.calc.replaceOpening(first[0]["id"], OrderFile::serialize(changed)));
    ASSERT_EQ(shown["result"], "done");
    EXPECT_NE(std::find(shown["changed"].begin(), shown["changed"].end(), "Wirina"),
              shown["changed"].end());
    ASSERT_EQ(shown["order"]["rows"].size(), 1u);
    EXPECT_EQ(shown["order"]["rows"][0]["size"], "1111 × 1400");
    EXPECT_EQ(Json::parse(house.calc.control("Wirina"))["text"], "1111");

    const Json other =
        Json::parse(house.calc.replaceOpening(first[1]["id"], OrderFile::serialize(changed)));
    EXPECT_TRUE(other["changed"].empty()) << "the form shows another opening";
    EXPECT_EQ(other["order"]["rows"][0]["index"], 1);
    EXPECT_EQ(Json::parse(
                  house.calc.replaceOpening("no such id", OrderFile::serialize(changed)))["result"],
              "refused");
    EXPECT_EQ(news.size(), 2u) << "the page hears what was replaced, not what was refused";
}

} // namespace
} // namespace kavro
