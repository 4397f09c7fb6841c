// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The replica kept beside its order (the page's IndexedDB): read back after
// a reload, a killed browser or a flat battery, and so read as untrusted.
#include "replica_record.h"

#include "order_replica.h"
#include "order_state.h"
#include "orderio/guarded_json.h"
#include "orderio/order_file.h"

namespace kavro::sync {

namespace {

using Json = nlohmann::ordered_json;

// The deepest a record nests: root, queue, edit, delta, openings, fields;
// a conflict's openings hold their accessories two deeper.
constexpr int kMaxDepth = 8;
// A field's value nests no deeper: the accessories, a list of records.
constexpr int kMaxValueDepth = 3;

constexpr const char* kFormat = "kavro-replica";
constexpr int kVersion = 1;

const Json& member(const Json& object, const char* key, Json::value_t type) {
    if (!object.is_object() || !object.contains(key) || object[key].type() != type)
        throw ReplicaError(std::string("нет поля «") + key + "» нужного вида");
    return object[key];
}

std::string text(const Json& object, const char* key) {
    return member(object, key, Json::value_t::string).get<std::string>();
}

// Ids go into the server's addresses: only what an order file accepts.
std::string checkedId(std::string id) {
    if (id.empty() || OrderFile::idFault(id))
        throw ReplicaError("недопустимый id «" + id + "»");
    return id;
}

Json changesJson(const FieldChanges& changes) {
    Json object = Json::object();
    for (const auto& [key, value] : changes)
        object[key] = value ? Json(*value) : Json(nullptr);
    return object;
}

FieldChanges changesOf(const Json& object) {
    if (!object.is_object())
        throw ReplicaError("изменения полей не объект");
    FieldChanges changes;
    for (const auto& [key, value] : object.items()) {
        if (!value.is_null() && !value.is_string())
            throw ReplicaError("значение поля «" + key + "» не текст");
        // Each value is a JSON text of the order file, read again when sent.
        if (value.is_string())
            try {
                parseGuardedJson(value.get<std::string>(), kMaxValueDepth);
            } catch (const JsonTextError&) {
                throw ReplicaError("значение поля «" + key + "» не JSON");
            }
        changes[key] = value.is_null() ? std::nullopt : std::optional(value.get<std::string>());
    }
    return changes;
}

merge::Fields fieldsOf(const Json& object) {
    merge::Fields fields;
    for (const auto& [key, value] : changesOf(object)) {
        if (!value)
            throw ReplicaError("у нового проёма пустое поле «" + key + "»");
        fields[key] = *value;
    }
    return fields;
}

const Json& array(const Json& object, const char* key) {
    return member(object, key, Json::value_t::array);
}

} // namespace

Json deltaJson(const EditDelta& delta) {
    Json openings = Json::object(), added = Json::object(), places = Json::array();
    for (const auto& [id, changes] : delta.openings)
        openings[id] = changesJson(changes);
    for (const auto& [id, fields] : delta.added) {
        FieldChanges whole(fields.begin(), fields.end());
        added[id] = changesJson(whole);
    }
    for (const OpeningPlace& place : delta.places)
        places.push_back({place.id, place.after});
    return {{"order", changesJson(delta.order)},
            {"openings", openings},
            {"added", added},
            {"deleted", delta.deleted},
            {"places", places}};
}

EditDelta deltaOf(const Json& json) {
    EditDelta delta;
    delta.order = changesOf(member(json, "order", Json::value_t::object));
    for (const auto& [id, changes] : member(json, "openings", Json::value_t::object).items())
        delta.openings[checkedId(id)] = changesOf(changes);
    for (const auto& [id, fields] : member(json, "added", Json::value_t::object).items())
        delta.added[checkedId(id)] = fieldsOf(fields);
    for (const Json& id : array(json, "deleted")) {
        if (!id.is_string())
            throw ReplicaError("id удалённого проёма не текст");
        delta.deleted.insert(checkedId(id.get<std::string>()));
    }
    for (const Json& place : array(json, "places")) {
        if (!place.is_array() || place.size() != 2 || !place[0].is_string() ||
            !place[1].is_string())
            throw ReplicaError("место проёма не пара id");
        const std::string after = place[1].get<std::string>();
        delta.places.push_back(
            {checkedId(place[0].get<std::string>()), after.empty() ? after : checkedId(after)});
    }
    return delta;
}

std::string OrderReplica::save() const {
    Json queue = Json::array(), kept = Json::array(), conflicts = Json::array();
    for (const QueuedEdit& edit : queue_)
        queue.push_back({{"id", edit.id}, {"sent", edit.sent}, {"delta", deltaJson(edit.delta)}});
    for (const KeptEdit& edit : kept_)
        kept.push_back(
            {{"id", edit.id}, {"reason", edit.reason}, {"delta", deltaJson(edit.delta)}});
    for (const std::string& conflict : conflicts_)
        conflicts.push_back(Json::parse(conflict));
    if (confirmedRecord_.empty())
        confirmedRecord_ = Json(orderFileText(confirmed_, orderId_, revision_)).dump();
    std::string record = Json{{"format", kFormat}, {"version", kVersion}, {"order", orderId_},
                              {"queue", queue},    {"kept", kept},        {"conflicts", conflicts}}
                             .dump();
    // The confirmed order joins the object as the text already written.
    record.pop_back();
    return record.append(",\"confirmed\":").append(confirmedRecord_).append("}");
}

OrderReplica OrderReplica::load(const std::string& bytes) {
    try {
        const Json root = parseGuardedJson(bytes, kMaxDepth);
        if (text(root, "format") != kFormat)
            throw ReplicaError("это не очередь заказа");
        if (member(root, "version", Json::value_t::number_unsigned).get<int>() != kVersion)
            throw ReplicaError("очередь записана более новой версией программы");
        const Order confirmed = OrderFile::parse(text(root, "confirmed"));
        OrderReplica replica(checkedId(text(root, "order")), confirmed.revision,
                             orderState(confirmed));
        if (confirmed.id != replica.orderId_)
            throw ReplicaError("подтверждённый заказ не тот, что в очереди");
        for (const Json& edit : array(root, "queue"))
            replica.queue_.push_back({checkedId(text(edit, "id")),
                                      deltaOf(member(edit, "delta", Json::value_t::object)),
                                      member(edit, "sent", Json::value_t::boolean).get<bool>()});
        for (const Json& edit : array(root, "kept"))
            replica.kept_.push_back({text(edit, "id"), text(edit, "reason"),
                                     deltaOf(member(edit, "delta", Json::value_t::object))});
        for (const Json& conflict : array(root, "conflicts"))
            replica.conflicts_.push_back(conflict.dump());
        replica.replay();
        return replica;
    } catch (const JsonTextError& error) {
        throw ReplicaError(std::string("Очередь правок заказа повреждена: ") + error.what());
    } catch (const OrderFileError& error) {
        throw ReplicaError(std::string("Очередь правок заказа повреждена: ") + error.what());
    } catch (const ReplicaError& error) {
        throw ReplicaError(std::string("Очередь правок заказа повреждена: ") + error.what());
    }
}

} // namespace kavro::sync
