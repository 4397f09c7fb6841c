// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shared_order_view.h"

#include "orderio/order_field_words.h"
#include "orderio/order_file.h"

#include <optional>
#include <set>
#include <vector>

namespace kavro {

namespace {

using Json = nlohmann::ordered_json;
using Fields = merge::Fields;
using Value = std::optional<std::string>;

const char kBothChanged[] =
    "Это поле изменили на двух устройствах. В заказе сейчас одна версия: выберите, какую "
    "оставить.";
const char kDeletedHere[] =
    "Проём удалили на одном устройстве, а на другом изменили: в заказе его сейчас нет.";
const char kDeletedThere[] =
    "Проём изменили на одном устройстве, а на другом удалили: в заказе он сейчас есть.";
const char kSequence[] = "Порядок проёмов изменили на двух устройствах.";

Value member(const std::optional<Fields>& fields, const std::string& key) {
    if (!fields)
        return std::nullopt;
    const auto it = fields->find(key);
    return it == fields->end() ? Value() : Value(it->second);
}

std::optional<Fields> openingOf(const merge::OrderState& state, const std::string& id) {
    const auto it = state.openings.find(id);
    return it == state.openings.end() ? std::nullopt : std::optional<Fields>(it->second);
}

int rowOf(const OrderDocument& document, const std::string& openingId) {
    for (std::size_t i = 0; i < document.size(); ++i)
        if (document.opening(i).id == openingId)
            return static_cast<int>(i);
    return -1;
}

// « «Спальня»», the location as a name is quoted; none when it is empty.
std::string quoted(const Value& location) {
    const std::string text = fieldValueText(location);
    return location && text != "—" ? " «" + text + "»" : std::string();
}

// «Проём 3 «Спальня»», without the number when it is not shown.
std::string openingName(int row, const Value& location) {
    return "Проём" + (row >= 0 ? " " + std::to_string(row + 1) : std::string()) + quoted(location);
}

Json fieldRow(const std::string& caption, const Value& current, const Value& edit, bool currentGone,
              bool editGone) {
    const char gone[] = "удалён";
    return {{"caption", caption},
            {"current", currentGone ? gone : fieldValueText(current)},
            {"edit", editGone ? gone : fieldValueText(edit)},
            {"differs", currentGone || editGone || current != edit}};
}

// The opening's keys in the order the order file writes them, so that the
// versions read as the form does, top to bottom.
const std::vector<std::string>& fileOrder() {
    static const std::vector<std::string> keys = [] {
        Order order;
        order.openings.emplace_back();
        std::vector<std::string> made;
        const Json file = Json::parse(OrderFile::serialize(order));
        for (const auto& [key, value] : file["openings"][0].items())
            made.push_back(key);
        return made;
    }();
    return keys;
}

// Every field either side has: the file's own first, any other after.
Json openingRows(const std::optional<Fields>& current, const std::optional<Fields>& edit) {
    std::set<std::string> present;
    for (const auto* side : {&current, &edit})
        if (*side)
            for (const auto& [key, value] : **side)
                present.insert(key);
    std::vector<std::string> keys;
    for (const std::string& key : fileOrder())
        if (present.erase(key))
            keys.push_back(key);
    keys.insert(keys.end(), present.begin(), present.end());
    Json rows = Json::array();
    for (const std::string& key : keys)
        rows.push_back(fieldRow(openingFieldCaption(key), member(current, key), member(edit, key),
                                !current, !edit));
    return rows;
}

Json choice(const char* keep, const char* caption) {
    return {{"keep", keep}, {"caption", caption}};
}

// The locations of the openings `ids` names, in its order.
std::string sequenceText(const Json& ids, const merge::OrderState& confirmed) {
    std::string text;
    std::string joined = ids.is_string() ? ids.get<std::string>() : std::string();
    for (std::size_t start = 0; start < joined.size();) {
        const std::size_t end = std::min(joined.find(',', start), joined.size());
        const auto opening = openingOf(confirmed, joined.substr(start, end - start));
        text += (text.empty() ? "" : ", ") + fieldValueText(member(opening, "location"));
        start = end + 1;
    }
    return text;
}

Json orderConflict(const Json& c, const std::string& field, const merge::OrderState& confirmed) {
    Json view = {{"row", -1}, {"title", "Заказ"}};
    if (field == merge::Conflict::kSequence) {
        view["note"] = kSequence;
        view["fields"] = Json::array({{{"caption", "Порядок проёмов"},
                                       {"current", sequenceText(c["current"], confirmed)},
                                       {"edit", sequenceText(c["edit"], confirmed)},
                                       {"differs", true}}});
    } else {
        view["note"] = kBothChanged;
        const auto text = [&](const char* side) {
            return c[side].is_null() ? Value() : Value(c[side].dump());
        };
        view["fields"] = Json::array(
            {fieldRow(orderFieldCaption(field), text("current"), text("edit"), false, false)});
    }
    view["choices"] = Json::array(
        {choice("current", "Оставить как в заказе"), choice("edit", "Взять другую правку")});
    return view;
}

std::optional<Fields> fieldsOf(const Json& object) {
    if (!object.is_object())
        return std::nullopt;
    Fields fields;
    for (const auto& [key, value] : object.items())
        fields.emplace(key, value.dump());
    return fields;
}

} // namespace

Json conflictView(const std::string& conflict, const merge::OrderState& confirmed,
                  const OrderDocument& document) {
    const Json c = Json::parse(conflict);
    const std::string opening = c.value("opening", std::string());
    const std::string field = c.value("field", std::string());
    Json view = opening.empty() ? orderConflict(c, field, confirmed) : Json::object();
    if (opening.empty()) {
        view["id"] = c.value("id", std::string());
        return view;
    }
    const int row = rowOf(document, opening);
    std::optional<Fields> current, edit;
    if (field.empty()) {
        current = fieldsOf(c["currentOpening"]);
        edit = fieldsOf(c["editOpening"]);
        view["note"] = current ? kDeletedThere : kDeletedHere;
        view["choices"] = current ? Json::array({choice("current", "Оставить проём"),
                                                 choice("edit", "Удалить проём")})
                                  : Json::array({choice("current", "Оставить удалённым"),
                                                 choice("edit", "Вернуть проём")});
    } else {
        current = openingOf(confirmed, opening).value_or(Fields{});
        edit = current;
        const auto set = [&](Fields& fields, const char* side) {
            if (c[side].is_null())
                fields.erase(field);
            else
                fields[field] = c[side].dump();
        };
        set(*current, "current");
        set(*edit, "edit");
        view["note"] = kBothChanged;
        view["choices"] = Json::array({choice("current", "Оставить как в заказе"),
                                       choice("edit", "Взять другую правку"),
                                       choice("both", "Оставить обе — двумя проёмами")});
    }
    view["id"] = c.value("id", std::string());
    view["row"] = row;
    view["title"] = openingName(row, member(current ? current : edit, "location"));
    view["fields"] = openingRows(current, edit);
    return view;
}

Json keptEditView(const sync::KeptEdit& edit, const merge::OrderState& local) {
    const sync::EditDelta& delta = edit.delta;
    Json lines = Json::array();
    for (const auto& [key, value] : delta.order)
        lines.push_back(orderFieldCaption(key) + ": " + fieldValueText(value));
    const auto location = [&](const std::string& id) {
        return quoted(member(openingOf(local, id), "location"));
    };
    for (const auto& [id, fields] : delta.added)
        lines.push_back("Новый проём" + quoted(member(fields, "location")));
    for (const auto& [id, changes] : delta.openings)
        for (const auto& [key, value] : changes)
            lines.push_back("Проём" + location(id) + ": " + openingFieldCaption(key) + " — " +
                            fieldValueText(value));
    for (const std::string& id : delta.deleted)
        lines.push_back("Удалён проём" + location(id));
    if (lines.empty() && !delta.places.empty())
        lines.push_back("Порядок проёмов");
    return {{"edit", edit.id}, {"reason", edit.reason}, {"lines", lines}};
}

} // namespace kavro
