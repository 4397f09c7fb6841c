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

// The state's values are the order file writer's JSON texts already (and
// a kept replica's are checked as JSON when read): the file is put together
// from them as they are rather than each read into a tree and written
// again, which made every request of a large order cost tens of
// milliseconds in the page.
void appendKey(std::string& out, const std::string& key) {
    const bool plain = std::none_of(key.begin(), key.end(), [](char c) {
        return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
    });
    if (plain)
        out.append(1, '"').append(key).append(1, '"');
    else
        out += Json(key).dump();
}

void appendFields(std::string& out, const merge::Fields& fields) {
    for (const auto& [key, value] : fields) {
        out += ',';
        appendKey(out, key);
        out += ':';
        out += value;
    }
}

void appendIdentity(std::string& out, const std::string& id, std::int64_t revision) {
    out += "\"id\":";
    out += Json(id).dump();
    out += ",\"revision\":";
    out += std::to_string(revision);
}

std::string fileText(const merge::OrderState& state, const std::string& orderId,
                     std::int64_t revision,
                     const std::map<std::string, std::int64_t>& openingRevisions) {
    std::string out;
    // Reserved whole: grown step by step, a large order's text was copied
    // and its fresh pages faulted in several times over.
    std::size_t size = 64;
    for (const auto& [id, fields] : state.openings) {
        size += id.size() + 32;
        for (const auto& [key, value] : fields)
            size += key.size() + value.size() + 4;
    }
    out.reserve(size);
    out += "{\"format\":";
    out += Json(OrderFile::kFormat).dump();
    out += ",\"version\":" + std::to_string(OrderFile::kVersion);
    if (!orderId.empty()) {
        out += ',';
        appendIdentity(out, orderId, revision);
    }
    appendFields(out, state.fields);
    out += ",\"openings\":[";
    bool first = true;
    for (const std::string& id : state.sequence) {
        const auto fields = state.openings.find(id);
        if (fields == state.openings.end())
            continue;
        const auto known = openingRevisions.find(id);
        out += first ? "{" : ",{";
        first = false;
        appendIdentity(out, id, known == openingRevisions.end() ? 0 : known->second);
        appendFields(out, fields->second);
        out += '}';
    }
    out += "]}";
    return out;
}

} // namespace

merge::OrderState orderState(const Order& order) {
    merge::OrderState state;
    const Json root = OrderFile::tree(order);
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
    return orderRootFields(OrderFile::tree(own));
}

merge::Fields openingFields(const Opening& opening) {
    Order alone;
    alone.openings.push_back(opening);
    return fieldsOf(OrderFile::tree(alone).at("openings").at(0), {});
}

std::string orderFileText(const merge::OrderState& state, const std::string& orderId,
                          std::int64_t revision) {
    return fileText(state, orderId, revision, {});
}

Order orderOf(const merge::OrderState& state, const std::string& orderId, std::int64_t revision,
              const std::map<std::string, std::int64_t>& openingRevisions) {
    return OrderFile::parse(fileText(state, orderId, revision, openingRevisions));
}

Opening openingOf(const merge::OrderState& state, const std::string& openingId) {
    merge::OrderState alone;
    alone.sequence.push_back(openingId);
    alone.openings.emplace(openingId, state.openings.at(openingId));
    return OrderFile::parse(fileText(alone, {}, 0, {})).openings.at(0);
}

bool takeUnchanged(merge::OrderState& changed, const merge::OrderState& base) {
    for (const std::string& id : changed.sequence) {
        if (changed.openings.count(id))
            continue;
        const auto kept = base.openings.find(id);
        if (kept == base.openings.end())
            return false;
        changed.openings.emplace(id, kept->second);
    }
    return changed.openings.size() == changed.sequence.size();
}

} // namespace kavro::sync
