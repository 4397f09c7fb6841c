// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "json_reply.h"
#include "orderio/order_file.h"
#include "orders/order_records.h"
#include "route_handlers.h"
#include "storage/random_id.h"
#include "sync/order_state.h"

#include <algorithm>

namespace kavro::server {

namespace {

std::string checkedId(const std::string& id, const char* what) {
    if (id.empty())
        throw BadRequest(std::string(what) + ": пустой id");
    if (const auto fault = OrderFile::idFault(id))
        throw BadRequest(std::string(what) + ": " + *fault);
    return id;
}

// The edit's id, which makes a retry apply once; one is made when the
// client sends none, and such an edit is not protected against a retry.
std::string editIdOf(const ApiRequest& request) {
    const auto it = request.query.find("edit");
    return it == request.query.end() ? randomHex() : checkedId(it->second, "edit");
}

Json valueJson(const std::optional<std::string>& text) {
    return text ? Json::parse(*text, nullptr, false) : Json(nullptr);
}

Json fieldsJson(const std::optional<merge::Fields>& fields) {
    if (!fields)
        return nullptr;
    Json object = Json::object();
    for (const auto& [key, value] : *fields)
        object[key] = Json::parse(value, nullptr, false);
    return object;
}

Json conflictJson(const merge::Conflict& c) {
    const bool sequence = c.opening.empty() && c.field == merge::Conflict::kSequence;
    return {{"opening", c.opening},
            {"field", c.field},
            {"current", sequence ? Json(c.current.value_or("")) : valueJson(c.current)},
            {"edit", sequence ? Json(c.edit.value_or("")) : valueJson(c.edit)},
            {"currentOpening", fieldsJson(c.currentOpening)},
            {"editOpening", fieldsJson(c.editOpening)}};
}

// The order as it now stands, as an answer's members: the whole order
// file, or, where the client names the revision it holds (`since`, one
// the order had), only what changed after it: the file with the openings
// changed since, and every opening's id in its place. A large order's
// client then reads a few openings per answer rather than all of them.
Json orderMembers(const ApiRequest& request, const std::string& orderId,
                  const StoredOrder& stored) {
    const std::int64_t since = queryNumber(request, "since", -1, 0, INT64_MAX);
    if (since < 0 || since > stored.revision)
        return {{"order", orderFileText(orderId, stored)}};
    return {{"since", since},
            {"sequence", stored.state.sequence},
            {"order", orderFileSince(orderId, stored, since)}};
}

// Applies an order file to `orderId`, merged with what changed since the
// revision the file was taken at; answers with the order as it now stands.
ApiReply applyFile(const RouteCall& call, const std::string& orderId,
                   const ReceivedOrder& received) {
    Storage& storage = call.server.storage;
    const Caller& caller = *call.caller;
    EditOutcome outcome;
    try {
        outcome =
            storage.applyEdit(caller.firmId, orderId, editIdOf(call.request), received.revision,
                              received.state, caller.name, call.server.clock());
    } catch (const OrderRefused&) {
        return notFound();
    }
    if (!outcome.repeated)
        call.server.notifier.notify();
    const auto stored = storage.order(caller.firmId, orderId);
    if (!stored)
        return notFound();
    Json conflicts = Json::array();
    for (const merge::Conflict& conflict : outcome.conflicts)
        conflicts.push_back(conflictJson(conflict));
    Json answer = {{"id", orderId},
                   {"revision", stored->revision},
                   {"repeated", outcome.repeated},
                   {"conflicts", conflicts}};
    answer.update(orderMembers(call.request, orderId, *stored));
    return jsonReply(answer);
}

std::vector<std::string> splitIds(const std::string& joined) {
    std::vector<std::string> ids;
    for (std::size_t start = 0; start < joined.size();) {
        const std::size_t end = std::min(joined.find(',', start), joined.size());
        ids.push_back(joined.substr(start, end - start));
        start = end + 1;
    }
    return ids;
}

void setField(merge::Fields& fields, const std::string& key,
              const std::optional<std::string>& value) {
    if (value)
        fields[key] = *value;
    else
        fields.erase(key);
}

// The opening with the edit's side of the conflict applied.
std::optional<merge::Fields> editSide(const merge::Conflict& c, const merge::OrderState& state) {
    if (c.field.empty())
        return c.editOpening;
    const auto it = state.openings.find(c.opening);
    if (it == state.openings.end())
        return std::nullopt;
    merge::Fields fields = it->second;
    setField(fields, c.field, c.edit);
    return fields;
}

// The order state that keeps what `keep` says of the conflict.
merge::OrderState resolved(const merge::Conflict& c, merge::OrderState state,
                           const std::string& keep) {
    if (c.opening.empty()) {
        if (keep == "both")
            throw BadRequest("у полей заказа можно оставить только одну версию");
        if (c.field == merge::Conflict::kSequence)
            state.sequence = splitIds(c.edit.value_or(""));
        else
            setField(state.fields, c.field, c.edit);
        return state;
    }
    const auto edited = editSide(c, state);
    const bool exists = state.openings.count(c.opening) != 0;
    if (keep == "edit" || (keep == "both" && !exists)) {
        if (edited)
            state.openings[c.opening] = *edited;
        else
            state.openings.erase(c.opening);
        if (edited && std::find(state.sequence.begin(), state.sequence.end(), c.opening) ==
                          state.sequence.end())
            state.sequence.push_back(c.opening);
    } else if (edited) { // both, and the current opening stays: the edit's beside it
        const std::string copy = randomHex();
        state.openings[copy] = *edited;
        const auto at = std::find(state.sequence.begin(), state.sequence.end(), c.opening);
        state.sequence.insert(at == state.sequence.end() ? at : at + 1, copy);
    }
    return state;
}

} // namespace

ApiReply listOrders(const RouteCall& call) {
    Json list = Json::array();
    for (const OrderSummary& order : call.server.storage.orders(call.caller->firmId))
        list.push_back({{"id", order.id},
                        {"title", order.title},
                        {"revision", order.revision},
                        {"changedBy", order.changedBy},
                        {"changedAt", order.changedAt},
                        {"conflicts", order.conflicts}});
    return jsonReply({{"orders", list}});
}

// A file that names no order makes a new one. Its id comes from the edit
// id, so that a retry of a push whose answer was lost finds the order the
// first try made instead of making a second; the firm is part of the key,
// so the same edit id in another firm makes that firm's own order.
ApiReply pushOrder(const RouteCall& call) {
    const ReceivedOrder received = receiveOrder(call.request.body);
    if (!received.id.empty())
        return applyFile(call, received.id, received);
    const bool named = call.request.query.count("edit") != 0;
    const std::string id =
        named ? derivedHex(call.caller->firmId + '\n' + editIdOf(call.request)) : randomHex();
    return applyFile(call, id, received);
}

// An edit sent as what it changed (`partial`): the file holds the order's
// fields and the openings changed or added, `sequence` every opening's id;
// the rest are taken from the revision the file names.
ReceivedOrder receiveChanges(const RouteCall& call, const std::string& orderId) {
    const Json body = bodyObject(call.request);
    ReceivedOrder received = receiveOrder(textMember(body, "order"));
    const auto sequence = body.find("sequence");
    if (sequence == body.end() || !sequence->is_array())
        throw BadRequest("«sequence»: ожидается список id проёмов");
    received.state.sequence.clear();
    for (const Json& id : *sequence) {
        if (!id.is_string())
            throw BadRequest("«sequence»: ожидается список id проёмов");
        received.state.sequence.push_back(checkedId(id.get<std::string>(), "проём"));
    }
    const auto base = call.server.storage.orderAt(call.caller->firmId, orderId, received.revision);
    if (!base)
        throw OrderRefused("the edit names a revision the order never had");
    if (!sync::takeUnchanged(received.state, base->state))
        throw BadRequest("«sequence» называет проём, которого в заказе не было");
    return received;
}

ApiReply putOrder(const RouteCall& call) {
    const std::string id = checkedId(call.params[0], "order");
    ReceivedOrder received;
    try {
        received = call.request.query.count("partial") ? receiveChanges(call, id)
                                                       : receiveOrder(call.request.body);
    } catch (const OrderRefused&) {
        return notFound();
    }
    if (!received.id.empty() && received.id != id)
        throw BadRequest("id заказа в файле не тот, что в адресе");
    return applyFile(call, id, received);
}

// The order file; asked with `since`, {revision, since, sequence, order}
// as an edit's answer gives it.
ApiReply getOrder(const RouteCall& call) {
    const auto stored = call.server.storage.order(call.caller->firmId, call.params[0]);
    if (!stored)
        return notFound();
    if (call.request.query.count("since")) {
        Json answer = {{"revision", stored->revision}};
        answer.update(orderMembers(call.request, call.params[0], *stored));
        return jsonReply(answer);
    }
    ApiReply reply;
    reply.body = orderFileText(call.params[0], *stored);
    return reply;
}

ApiReply listConflicts(const RouteCall& call) {
    if (!call.server.storage.order(call.caller->firmId, call.params[0]))
        return notFound();
    Json list = Json::array();
    for (const StoredConflict& stored :
         call.server.storage.conflicts(call.caller->firmId, call.params[0])) {
        Json item = conflictJson(stored.conflict);
        item["id"] = stored.id;
        item["revision"] = stored.revision;
        list.push_back(std::move(item));
    }
    return jsonReply({{"conflicts", list}});
}

// Keeps the current version ("current"), the edit's ("edit"), or both
// ("both": the edit's opening beside the current one). Resolving is itself
// an edit, with the conflict's id as its edit id, so that a retry applies it
// once.
ApiReply resolveConflict(const RouteCall& call) {
    Storage& storage = call.server.storage;
    const std::string& firm = call.caller->firmId;
    const std::string keep = textMember(bodyObject(call.request), "keep");
    if (keep != "current" && keep != "edit" && keep != "both")
        throw BadRequest("«keep»: current, edit или both");
    const auto stored = storage.conflict(firm, call.params[1]);
    const auto order = storage.order(firm, call.params[0]);
    if (!stored || !order || stored->orderId != call.params[0])
        return notFound();
    if (keep != "current") {
        const merge::OrderState state = resolved(stored->conflict, order->state, keep);
        try {
            storage.applyEdit(firm, call.params[0], stored->id, order->revision, state,
                              call.caller->name, call.server.clock());
        } catch (const OrderRefused&) {
            return notFound();
        }
    }
    storage.dropConflict(firm, stored->id, call.caller->name, call.server.clock());
    call.server.notifier.notify();
    const auto now = storage.order(firm, call.params[0]);
    return jsonReply({{"revision", now ? now->revision : 0}});
}

} // namespace kavro::server
