// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/order/order_session.h"
#include "shared_order_view.h"

#include <gtest/gtest.h>

using namespace kavro;
using Json = nlohmann::ordered_json;

namespace {

// The order as the server holds it: openings a («Кухня», 1400 high) and b.
merge::OrderState confirmed() {
    merge::OrderState state;
    state.sequence = {"a", "b"};
    state.openings["a"] = {{"location", "\"Кухня\""}, {"height", "\"1400\""}, {"count", "1"}};
    state.openings["b"] = {{"location", "\"Спальня\""}, {"crank", "false"}};
    return state;
}

std::vector<std::string> choicesOf(const Json& view) {
    std::vector<std::string> keeps;
    for (const Json& choice : view["choices"])
        keeps.push_back(choice["keep"]);
    return keeps;
}

// The differing rows as «caption: current | edit».
std::vector<std::string> differing(const Json& view) {
    std::vector<std::string> rows;
    for (const Json& row : view["fields"])
        if (row["differs"])
            rows.push_back(row["caption"].get<std::string>() + ": " +
                           row["current"].get<std::string>() + " | " +
                           row["edit"].get<std::string>());
    return rows;
}

TEST(SharedOrderView, ConflictsAreShownInTheFormsWordsWithWhatMayBeKept) {
    OrderDocument document{[](const Opening&) { return OpeningResults{}; }};
    Order shown;
    shown.openings.resize(2);
    shown.openings[0].id = "b"; // b stands first here
    shown.openings[1].id = "a";
    OrderSession session{document};
    session.replaceOrder(shown, false);
    struct Case {
        const char* name;
        Json conflict;
        int row;
        const char* title;
        std::vector<std::string> keeps;
        std::vector<std::string> differing;
    };
    const Case cases[] = {
        {"one field on both sides",
         {{"id", "k1"},
          {"opening", "a"},
          {"field", "height"},
          {"current", "1400"},
          {"edit", "1500"}},
         1,
         "Проём 2 «Кухня»",
         {"current", "edit", "both"},
         {"Высота полотна, мм: 1400 | 1500"}},
        {"deleted here, changed there",
         {{"id", "k2"},
          {"opening", "gone"},
          {"field", ""},
          {"currentOpening", nullptr},
          {"editOpening", {{"location", "Чердак"}, {"crank", true}}}},
         -1,
         "Проём «Чердак»",
         {"current", "edit"},
         {"Проём: удалён | Чердак", "Аварийный подъем NHK: удалён | да"}},
        {"the order's title",
         {{"id", "k3"}, {"opening", ""}, {"field", "title"}, {"current", "Дом"}, {"edit", "Дача"}},
         -1,
         "Заказ",
         {"current", "edit"},
         {"Название заказа: Дом | Дача"}},
    };
    for (const Case& c : cases) {
        const Json view = conflictView(c.conflict.dump(), confirmed(), document);
        EXPECT_EQ(view["id"], c.conflict["id"]) << c.name;
        EXPECT_EQ(view["row"], c.row) << c.name;
        EXPECT_EQ(view["title"], c.title) << c.name;
        EXPECT_EQ(choicesOf(view), c.keeps) << c.name;
        EXPECT_EQ(differing(view), c.differing) << c.name;
    }
}

TEST(SharedOrderView, KeptEditTellsWhatItChangedWithTheReason) {
    sync::KeptEdit edit{"e1", "Сервер отказал", {}};
    edit.delta.openings["a"] = {{"height", "\"1600\""}, {"crank", std::nullopt}};
    edit.delta.added["n"] = {{"location", "\"Веранда\""}};
    const Json view = keptEditView(edit, confirmed());
    EXPECT_EQ(view["reason"], "Сервер отказал");
    EXPECT_EQ(view["lines"],
              Json::array({"Новый проём «Веранда»", "Проём «Кухня»: Аварийный подъем NHK — —",
                           "Проём «Кухня»: Высота полотна, мм — 1600"}));
}

} // namespace
