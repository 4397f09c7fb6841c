// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_records.h"

#include "orderio/order_file.h"
#include "storage/random_id.h"

#include <nlohmann/json.hpp>

namespace kavro::server {

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

} // namespace

ReceivedOrder receiveOrder(std::string_view fileText) {
    Order order = OrderFile::parse(fileText);
    for (Opening& opening : order.openings)
        if (opening.id.empty())
            opening.id = randomHex();
    ReceivedOrder received{order.id, order.revision, {}};
    const Json root = Json::parse(OrderFile::serialize(order));
    received.state.fields = fieldsOf(root, {"format", "version", "openings"});
    for (const Json& opening : root.at("openings")) {
        const std::string id = opening.at("id").get<std::string>();
        if (!received.state.openings.emplace(id, fieldsOf(opening, {})).second)
            throw OrderFileError("проём с id " + id + " указан дважды");
        received.state.sequence.push_back(id);
    }
    return received;
}

std::string orderFileText(const std::string& orderId, const StoredOrder& stored) {
    Json root;
    root["format"] = OrderFile::kFormat;
    root["version"] = OrderFile::kVersion;
    root["id"] = orderId;
    root["revision"] = stored.revision;
    for (const auto& [key, value] : stored.state.fields)
        root[key] = Json::parse(value);
    Json openings = Json::array();
    for (const std::string& id : stored.state.sequence) {
        const auto fields = stored.state.openings.find(id);
        if (fields == stored.state.openings.end())
            continue;
        Json opening;
        opening["id"] = id;
        opening["revision"] = stored.openingRevisions.at(id);
        for (const auto& [key, value] : fields->second)
            opening[key] = Json::parse(value);
        openings.push_back(std::move(opening));
    }
    root["openings"] = std::move(openings);
    return OrderFile::serialize(OrderFile::parse(root.dump()));
}

} // namespace kavro::server
