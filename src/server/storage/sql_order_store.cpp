// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The orders' half of SqlStorage: every revision of an order's own
// fields and of each opening is kept, so that an edit made on an old
// revision is merged against exactly what it was made on.

#include "random_id.h"
#include "sql_storage.h"

#include <nlohmann/json.hpp>

namespace kavro::server {

namespace {

using Json = nlohmann::json;

std::string fieldsText(const merge::Fields& fields) {
    return Json(fields).dump();
}

merge::Fields fieldsOf(const std::string& text) {
    return Json::parse(text).get<merge::Fields>();
}

Json optionalJson(const std::optional<std::string>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json optionalJson(const std::optional<merge::Fields>& value) {
    return value ? Json(*value) : Json(nullptr);
}

std::string conflictText(const merge::Conflict& c) {
    return Json{{"opening", c.opening},
                {"field", c.field},
                {"current", optionalJson(c.current)},
                {"edit", optionalJson(c.edit)},
                {"currentOpening", optionalJson(c.currentOpening)},
                {"editOpening", optionalJson(c.editOpening)}}
        .dump();
}

template <typename T> std::optional<T> optionalOf(const Json& value) {
    return value.is_null() ? std::nullopt : std::optional<T>(value.get<T>());
}

merge::Conflict conflictOf(const std::string& text) {
    const Json j = Json::parse(text);
    return {j.at("opening").get<std::string>(),
            j.at("field").get<std::string>(),
            optionalOf<std::string>(j.at("current")),
            optionalOf<std::string>(j.at("edit")),
            optionalOf<merge::Fields>(j.at("currentOpening")),
            optionalOf<merge::Fields>(j.at("editOpening"))};
}

std::string titleOf(const merge::Fields& fields) {
    const auto it = fields.find("title");
    if (it == fields.end())
        return {};
    const Json title = Json::parse(it->second);
    return title.is_string() ? title.get<std::string>() : std::string();
}

} // namespace

std::vector<OrderSummary> SqlStorage::orders(const std::string& firmId) {
    const auto db = pool_.lease();
    // Who changed it last and when are the order's newest entry in the
    // change sequence; an order has one from its first revision on.
    auto row = db->prepare(
        "SELECT o.id, o.title, o.revision, c.login, c.at, "
        "(SELECT COUNT(*) FROM conflicts k WHERE k.order_id = o.id) "
        "FROM orders o LEFT JOIN changes c ON c.sequence = (SELECT MAX(l.sequence) FROM changes l "
        "WHERE l.firm_id = o.firm_id AND l.kind = 'order' AND l.object_id = o.id) "
        "WHERE o.firm_id = ? ORDER BY o.id");
    row.bind(1, firmId);
    std::vector<OrderSummary> result;
    while (row.step())
        result.push_back({row.text(0), row.text(1), row.integer(2),
                          row.isNull(3) ? std::string() : row.text(3), row.integer(4),
                          row.integer(5)});
    return result;
}

StoredOrder SqlStorage::stateAt(SqlConnection& db, const std::string& orderId,
                                std::int64_t revision) {
    StoredOrder stored;
    stored.revision = revision;
    auto order = db.prepare("SELECT fields, sequence FROM order_versions WHERE order_id = ? "
                            "AND revision <= ? ORDER BY revision DESC LIMIT 1");
    order.bind(1, orderId).bind(2, revision);
    if (order.step()) {
        stored.state.fields = fieldsOf(order.text(0));
        stored.state.sequence = Json::parse(order.text(1)).get<std::vector<std::string>>();
    }
    auto openings = db.prepare(
        "SELECT v.opening_id, v.fields, v.revision FROM opening_versions v "
        "WHERE v.order_id = ? AND v.revision = (SELECT MAX(w.revision) FROM opening_versions w "
        "WHERE w.order_id = v.order_id AND w.opening_id = v.opening_id AND w.revision <= ?)");
    openings.bind(1, orderId).bind(2, revision);
    while (openings.step()) {
        if (openings.isNull(1))
            continue; // deleted by then
        stored.state.openings.emplace(openings.text(0), fieldsOf(openings.text(1)));
        stored.openingRevisions.emplace(openings.text(0), openings.integer(2));
    }
    return stored;
}

std::optional<StoredOrder> SqlStorage::order(const std::string& firmId,
                                             const std::string& orderId) {
    return orderAt(firmId, orderId, -1);
}

// A negative `revision`: the newest.
std::optional<StoredOrder> SqlStorage::orderAt(const std::string& firmId,
                                               const std::string& orderId, std::int64_t revision) {
    const auto db = pool_.lease();
    auto row = db->prepare("SELECT revision FROM orders WHERE id = ? AND firm_id = ?");
    row.bind(1, orderId).bind(2, firmId);
    if (!row.step() || revision > row.integer(0))
        return std::nullopt;
    return stateAt(*db, orderId, revision < 0 ? row.integer(0) : revision);
}

void SqlStorage::writeState(SqlConnection& db, const std::string& orderId, std::int64_t revision,
                            const merge::OrderState& before, const merge::OrderState& after) {
    if (after.fields != before.fields || after.sequence != before.sequence || revision == 1)
        db.prepare("INSERT INTO order_versions (order_id, revision, fields, sequence) "
                   "VALUES (?, ?, ?, ?)")
            .bind(1, orderId)
            .bind(2, revision)
            .bind(3, fieldsText(after.fields))
            .bind(4, Json(after.sequence).dump())
            .run();
    auto insert = [&](const std::string& id, const merge::Fields* fields) {
        auto statement = db.prepare("INSERT INTO opening_versions "
                                    "(order_id, opening_id, revision, fields) VALUES (?, ?, ?, ?)");
        statement.bind(1, orderId).bind(2, id).bind(3, revision);
        if (fields)
            statement.bind(4, fieldsText(*fields));
        else
            statement.bindNull(4);
        statement.run();
    };
    for (const auto& [id, fields] : after.openings) {
        const auto old = before.openings.find(id);
        if (old == before.openings.end() || old->second != fields)
            insert(id, &fields);
    }
    for (const auto& [id, fields] : before.openings)
        if (!after.openings.count(id))
            insert(id, nullptr);
}

EditOutcome SqlStorage::applyEdit(const std::string& firmId, const std::string& orderId,
                                  const std::string& editId, std::int64_t baseRevision,
                                  const merge::OrderState& edit, const std::string& login,
                                  std::int64_t now) {
    const auto db = pool_.lease();
    Transaction transaction(*db);
    // The order and whether this edit was applied already, in one read:
    // every round trip here is made while the other writers wait.
    auto found = db->prepare("SELECT firm_id, revision, (SELECT e.revision FROM edits e "
                             "WHERE e.order_id = orders.id AND e.edit_id = ?) "
                             "FROM orders WHERE id = ?");
    found.bind(1, editId).bind(2, orderId);
    const bool exists = found.step();
    if (exists && found.text(0) != firmId)
        throw OrderRefused("no such order");
    const std::int64_t revision = exists ? found.integer(1) : 0;
    if (baseRevision < 0 || baseRevision > revision)
        throw OrderRefused("the edit names a revision the order never had");
    if (exists && !found.isNull(2))
        return {found.integer(2), true, {}};
    const StoredOrder current = stateAt(*db, orderId, revision);
    // An edit of the newest revision, the usual case, reads it once: on
    // PostgreSQL each read is a round trip made while other writers wait.
    const StoredOrder base =
        baseRevision == revision ? current : stateAt(*db, orderId, baseRevision);
    merge::MergeResult merged = merge::mergeOrder(base.state, current.state, edit);

    std::int64_t next = revision;
    if (!exists)
        db->prepare("INSERT INTO orders (id, firm_id, revision, title) VALUES (?, ?, 0, '')")
            .bind(1, orderId)
            .bind(2, firmId)
            .run();
    if (!exists || merged.merged != current.state || !merged.conflicts.empty()) {
        next = revision + 1;
        writeState(*db, orderId, next, current.state, merged.merged);
        db->prepare("UPDATE orders SET revision = ?, title = ? WHERE id = ?")
            .bind(1, next)
            .bind(2, titleOf(merged.merged.fields))
            .bind(3, orderId)
            .run();
        for (const merge::Conflict& conflict : merged.conflicts)
            db->prepare("INSERT INTO conflicts (id, order_id, revision, body) VALUES (?, ?, ?, ?)")
                .bind(1, randomHex())
                .bind(2, orderId)
                .bind(3, next)
                .bind(4, conflictText(conflict))
                .run();
        recordChange(*db, firmId, "order", orderId, next, login, now);
    }
    db->prepare("INSERT INTO edits (order_id, edit_id, revision) VALUES (?, ?, ?)")
        .bind(1, orderId)
        .bind(2, editId)
        .bind(3, next)
        .run();
    transaction.commit();
    return {next, false, std::move(merged.conflicts)};
}

std::vector<StoredConflict> SqlStorage::conflicts(const std::string& firmId,
                                                  const std::string& orderId) {
    const auto db = pool_.lease();
    auto row = db->prepare("SELECT c.id, c.order_id, c.revision, c.body FROM conflicts c "
                           "JOIN orders o ON o.id = c.order_id "
                           "WHERE c.order_id = ? AND o.firm_id = ? ORDER BY c.revision, c.id");
    row.bind(1, orderId).bind(2, firmId);
    std::vector<StoredConflict> result;
    while (row.step())
        result.push_back({row.text(0), row.text(1), row.integer(2), conflictOf(row.text(3))});
    return result;
}

std::optional<StoredConflict> SqlStorage::conflict(const std::string& firmId,
                                                   const std::string& conflictId) {
    const auto db = pool_.lease();
    auto row = db->prepare("SELECT c.id, c.order_id, c.revision, c.body FROM conflicts c "
                           "JOIN orders o ON o.id = c.order_id WHERE c.id = ? AND o.firm_id = ?");
    row.bind(1, conflictId).bind(2, firmId);
    if (!row.step())
        return std::nullopt;
    return StoredConflict{row.text(0), row.text(1), row.integer(2), conflictOf(row.text(3))};
}

void SqlStorage::dropConflict(const std::string& firmId, const std::string& conflictId,
                              const std::string& login, std::int64_t now) {
    const auto db = pool_.lease();
    Transaction transaction(*db);
    std::string orderId;
    std::int64_t revision = 0;
    {
        auto found = db->prepare("SELECT o.id, o.revision FROM conflicts c JOIN orders o "
                                 "ON o.id = c.order_id WHERE c.id = ? AND o.firm_id = ?");
        found.bind(1, conflictId).bind(2, firmId);
        if (!found.step())
            return; // dropped already, by a resolution from another device
        orderId = found.text(0);
        revision = found.integer(1);
    }
    db->prepare("DELETE FROM conflicts WHERE id = ?").bind(1, conflictId).run();
    recordChange(*db, firmId, "order", orderId, revision, login, now);
    transaction.commit();
}

} // namespace kavro::server
