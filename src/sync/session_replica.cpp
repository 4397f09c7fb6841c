// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session_replica.h"

#include "core/order/random_id.h"
#include "order_state.h"

#include <algorithm>

namespace kavro::sync {

namespace {

OrderReplica openReplica(const OrderDocument& document, const std::string& orderId,
                         const std::string& kept) {
    if (!kept.empty()) {
        OrderReplica replica = OrderReplica::load(kept);
        if (replica.orderId() != orderId)
            throw ReplicaError("Очередь правок принадлежит другому заказу.");
        return replica;
    }
    const Order& order = document.order();
    const bool asSent = order.id == orderId && order.revision > 0 &&
                        std::none_of(order.openings.begin(), order.openings.end(),
                                     [](const Opening& opening) { return opening.id.empty(); });
    if (asSent)
        return OrderReplica(orderId, order.revision, orderState(order));
    return OrderReplica(orderId);
}

// Changes being put into the session are not the user's.
class Following {
public:
    explicit Following(bool& flag) : flag_(flag) { flag_ = true; }
    ~Following() { flag_ = false; }
    Following(const Following&) = delete;
    Following& operator=(const Following&) = delete;

private:
    bool& flag_;
};

} // namespace

SessionReplica::SessionReplica(OrderSession& session, const std::string& orderId,
                               const std::string& kept)
    : session_(session), replica_(openReplica(session.document(), orderId, kept)) {
    session_.document().subscribe(*this);
    replica_.record(deltaOf(wholeOrder()));
}

SessionReplica::~SessionReplica() {
    session_.document().unsubscribe(*this);
}

AnswerOutcome SessionReplica::answered(const std::string& editId, int status,
                                       const std::string& body) {
    const AnswerOutcome outcome = replica_.answered(editId, status, body);
    if (!detached_)
        follow(replica_.localChange());
    return outcome;
}

bool SessionReplica::arrived(const std::string& orderFile) {
    const bool newer = replica_.arrived(orderFile);
    if (newer && !detached_)
        follow(replica_.localChange());
    return newer;
}

bool SessionReplica::resend(const std::string& keptId) {
    const bool queued = replica_.resend(keptId);
    if (queued && !detached_)
        follow(replica_.localChange());
    return queued;
}

std::optional<SyncRequest> SessionReplica::next() {
    return detached_ ? std::nullopt : replica_.next();
}

void SessionReplica::orderChanged(const std::vector<OrderChange>& changes) {
    if (following_ || detached_)
        return;
    Scope scope;
    for (const OrderChange& change : changes) {
        switch (change.kind) {
        case OrderChange::Kind::OpeningAdded:
            scope.reorder = true;
            scope.openings.insert(change.opening);
            break;
        case OrderChange::Kind::OpeningChanged:
            scope.openings.insert(change.opening);
            break;
        case OrderChange::Kind::Prices:
            if (change.opening.empty())
                scope.order = true;
            else
                scope.openings.insert(change.opening);
            break;
        case OrderChange::Kind::Title:
            scope.order = true;
            break;
        case OrderChange::Kind::OpeningMoved:
            scope.moved.insert(change.opening);
            scope.reorder = true;
            break;
        case OrderChange::Kind::OpeningRemoved:
            scope.reorder = true;
            break;
        case OrderChange::Kind::Replaced:
            if (session_.document().order().id != replica_.orderId()) {
                detached_ = true;
                return;
            }
            scope = wholeOrder();
            break;
        case OrderChange::Kind::Saved:
            break;
        }
    }
    replica_.record(deltaOf(std::move(scope)));
}

SessionReplica::Scope SessionReplica::wholeOrder() const {
    const OrderDocument& document = session_.document();
    Scope scope;
    scope.order = true;
    scope.reorder = true;
    for (std::size_t i = 0; i < document.size(); ++i)
        scope.openings.insert(document.openingId(i));
    return scope;
}

EditDelta SessionReplica::deltaOf(Scope scope) {
    const OrderDocument& document = session_.document();
    const merge::OrderState& local = replica_.local();
    EditDelta delta;
    if (scope.order)
        delta.order = fieldChanges(local.fields, orderFields(document.order()));
    std::set<std::string> placed;
    for (const std::string& id : scope.openings) {
        const auto index = document.indexOf(id);
        if (!index || isPlaceholder(*index))
            continue;
        if (id == placeholder_) // changed by the user: the order's own now
            placeholder_.clear();
        const std::string sid = serverId(*index);
        merge::Fields fields = openingFields(document.opening(*index));
        const auto known = local.openings.find(sid);
        if (known == local.openings.end()) {
            delta.added.emplace(sid, std::move(fields));
            placed.insert(sid);
            scope.reorder = true;
        } else if (FieldChanges changes = fieldChanges(known->second, fields); !changes.empty()) {
            delta.openings.emplace(sid, std::move(changes));
        }
    }
    for (const std::string& id : scope.moved)
        if (const auto index = document.indexOf(id))
            placed.insert(serverId(*index));
    if (scope.reorder)
        placeOpenings(delta, placed);
    return delta;
}

void SessionReplica::placeOpenings(EditDelta& delta, const std::set<std::string>& placed) {
    const std::vector<std::string> ids = serverIds();
    const merge::OrderState& local = replica_.local();
    const std::set<std::string> present(ids.begin(), ids.end());
    for (const std::string& sid : local.sequence)
        if (!present.count(sid))
            delta.deleted.insert(sid);
    const auto placesOf = [&](auto chosen) {
        std::vector<OpeningPlace> places;
        for (std::size_t i = 0; i < ids.size(); ++i)
            if (chosen(ids[i]))
                places.push_back({ids[i], i == 0 ? std::string() : ids[i - 1]});
        return places;
    };
    delta.places = placesOf([&](const std::string& sid) { return placed.count(sid) != 0; });
    // Several moves in one change could land otherwise than they stand;
    // then every opening is placed, which replays to the same list.
    merge::OrderState check;
    check.sequence = local.sequence;
    for (const std::string& sid : ids)
        check.openings[sid];
    EditDelta moves;
    moves.deleted = delta.deleted;
    moves.places = delta.places;
    applyDelta(check, moves);
    if (check.sequence != ids)
        delta.places = placesOf([](const std::string&) { return true; });
}

void SessionReplica::follow(const LocalChange& change) {
    // The session showed local() before the step.
    if (!change.fields && !change.sequence && change.openings.empty())
        return;
    const Following following(following_);
    if (change.fields)
        followOrderFields();
    followOpenings(change);
    followPlaces();
}

void SessionReplica::followOrderFields() {
    const merge::OrderState& local = replica_.local();
    const Order own = orderOf({local.fields, {}, {}}, {}, 0);
    session_.setTitle(own.title);
    session_.setDiscount(own.discount);
}

void SessionReplica::followOpenings(const LocalChange& change) {
    const merge::OrderState& local = replica_.local();
    const OrderDocument& document = session_.document();
    std::map<std::string, std::string> shown = documentIds();
    for (const std::string& sid : local.sequence) {
        const auto there = shown.find(sid);
        if (there == shown.end()) {
            if (session_.insertOpening(document.size(), openingOf(local, sid)).kind ==
                ActionResult::Kind::Done)
                shown.emplace(sid, document.openingId(document.size() - 1));
            continue;
        }
        if (change.openings.count(sid))
            session_.replaceOpening(there->second, openingOf(local, sid));
    }
    for (const auto& [sid, id] : shown) {
        if (local.openings.count(sid))
            continue;
        // The order keeps one opening to show; a blank one stands in for
        // the order's own until the order has one again.
        if (document.size() == 1) {
            session_.insertOpening(1, Opening{});
            placeholder_ = document.openingId(1);
        }
        session_.removeOpening(id);
    }
    if (!placeholder_.empty() && !local.sequence.empty()) {
        if (const auto index = document.indexOf(placeholder_); index && isPlaceholder(*index))
            session_.removeOpening(placeholder_);
        placeholder_.clear();
    }
}

// Moves whatever stands elsewhere than in local(), front to back; an
// opening already in its place costs no search of the list.
void SessionReplica::followPlaces() {
    const merge::OrderState& local = replica_.local();
    const OrderDocument& document = session_.document();
    std::optional<std::map<std::string, std::string>> shown;
    for (std::size_t i = 0; i < local.sequence.size() && i < document.size(); ++i) {
        if (document.opening(i).id == local.sequence[i])
            continue;
        if (!shown)
            shown = documentIds();
        const auto there = shown->find(local.sequence[i]);
        if (there == shown->end())
            continue;
        if (const auto at = document.indexOf(there->second); at && *at != i)
            session_.moveOpening(*at, i);
    }
}

std::string SessionReplica::serverId(std::size_t index) {
    const OrderDocument& document = session_.document();
    if (document.opening(index).id.empty())
        session_.identify(document.openingId(index), randomId());
    return document.opening(index).id;
}

std::vector<std::string> SessionReplica::serverIds() {
    std::vector<std::string> ids;
    for (std::size_t i = 0; i < session_.document().size(); ++i)
        if (!isPlaceholder(i))
            ids.push_back(serverId(i));
    return ids;
}

std::map<std::string, std::string> SessionReplica::documentIds() {
    std::map<std::string, std::string> ids;
    for (std::size_t i = 0; i < session_.document().size(); ++i)
        if (!isPlaceholder(i))
            ids.emplace(serverId(i), session_.document().openingId(i));
    return ids;
}

bool SessionReplica::isPlaceholder(std::size_t index) const {
    const OrderDocument& document = session_.document();
    return !placeholder_.empty() && document.openingId(index) == placeholder_ &&
           document.opening(index) == Opening{};
}

} // namespace kavro::sync
