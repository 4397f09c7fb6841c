// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_state.h"

#include "orderio/order_file.h"

#include <algorithm>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string_view>

namespace kavro::sync {

namespace {

using Json = nlohmann::ordered_json;

// The keys that are the record's identity rather than its content.
bool isIdentity(const std::string& key) {
    return key == "id" || key == "revision";
}

merge::Fields fieldsOf(const Json& object, std::initializer_list<std::string_view> skipped) {
    merge::Fields fields;
    for (const auto& [key, value] : object.items()) {
        const bool skip =
            isIdentity(key) || std::find(skipped.begin(), skipped.end(), key) != skipped.end();
        if (!skip)
            fields.emplace(key, value.dump());
    }
    return fields;
}

// The root's keys that are no field of the order's own.
merge::Fields orderRootFields(const Json& root) {
    return fieldsOf(root, {"format", "version", "openings"});
}

Json recordJson(const merge::Fields& fields) {
    Json object = Json::object();
    for (const auto& [key, value] : fields)
        object[key] = Json::parse(value);
    return object;
}

Json fileRoot(const merge::OrderState& state, const std::string& orderId, std::int64_t revision) {
    Json root;
    root["format"] = OrderFile::kFormat;
    root["version"] = OrderFile::kVersion;
    if (!orderId.empty()) {
        root["id"] = orderId;
        root["revision"] = revision;
    }
    for (const auto& [key, value] : state.fields)
        root[key] = Json::parse(value);
    return root;
}

Json openingJson(const std::string& id, std::int64_t revision, const merge::Fields& fields) {
    Json opening;
    opening["id"] = id;
    opening["revision"] = revision;
    opening.update(recordJson(fields));
    return opening;
}

Json fileJson(const merge::OrderState& state, const std::string& orderId, std::int64_t revision,
              const std::map<std::string, std::int64_t>& openingRevisions) {
    Json root = fileRoot(state, orderId, revision);
    Json openings = Json::array();
    for (const std::string& id : state.sequence) {
        const auto fields = state.openings.find(id);
        if (fields == state.openings.end())
            continue;
        const auto known = openingRevisions.find(id);
        openings.push_back(
            openingJson(id, known == openingRevisions.end() ? 0 : known->second, fields->second));
    }
    root["openings"] = std::move(openings);
    return root;
}

} // namespace

merge::OrderState orderState(const Order& order) {
    merge::OrderState state;
    const Json root = Json::parse(OrderFile::serialize(order));
    state.fields = orderRootFields(root);
    for (const Json& opening : root.at("openings")) {
        if (!opening.contains("id"))
            throw OrderFileError("у проёма нет id");
        const std::string id = opening.at("id").get<std::string>();
        if (!state.openings.emplace(id, fieldsOf(opening, {})).second)
            throw OrderFileError("проём с id " + id + " указан дважды");
        state.sequence.push_back(id);
    }
    return state;
}

merge::Fields orderFields(const Order& order) {
    Order own{order.title, {}, order.discount};
    return orderRootFields(Json::parse(OrderFile::serialize(own)));
}

merge::Fields openingFields(const Opening& opening) {
    Order alone;
    alone.openings.push_back(opening);
    return fieldsOf(Json::parse(OrderFile::serialize(alone)).at("openings").at(0), {});
}

std::string orderFileText(const merge::OrderState& state, const std::string& orderId,
                          std::int64_t revision) {
    return fileJson(state, orderId, revision, {}).dump(2);
}

Order orderOf(const merge::OrderState& state, const std::string& orderId, std::int64_t revision,
              const std::map<std::string, std::int64_t>& openingRevisions) {
    return OrderFile::parse(fileJson(state, orderId, revision, openingRevisions).dump());
}

Opening openingOf(const merge::OrderState& state, const std::string& openingId) {
    Json root = fileRoot({}, {}, 0);
    root["openings"] = Json::array({openingJson(openingId, 0, state.openings.at(openingId))});
    return OrderFile::parse(root.dump()).openings.at(0);
}

} // namespace kavro::sync
