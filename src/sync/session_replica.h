// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/order/order_change.h"
#include "core/order/order_session.h"
#include "order_replica.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kavro::sync {

// The order open in a session, shared: every change the session makes
// (whoever made it) is recorded as a local edit of the replica, and
// whatever the server confirms or sends is put into the session through
// its own entries, so that its listeners tell the views as for any change.
//
// The session's openings are known to the server by their Opening::id; an
// opening made here gets one when its addition is recorded, so that the
// order kept beside the replica names it as the replica does.
class SessionReplica final : private OrderListener {
public:
    // The replica of order `orderId` kept as `kept` (ReplicaError when it
    // cannot be read), or, with none kept, a new one: confirmed as the
    // session holds it when that is the order as the server sent it (its
    // id and a revision), empty otherwise. Whatever the session holds
    // beyond the replica's local state is recorded as a local edit.
    SessionReplica(OrderSession& session, const std::string& orderId, const std::string& kept);
    ~SessionReplica();
    SessionReplica(const SessionReplica&) = delete;
    SessionReplica& operator=(const SessionReplica&) = delete;

    const OrderReplica& replica() const { return replica_; }

    // None once the session holds another order.
    std::optional<SyncRequest> next();
    AnswerOutcome answered(const std::string& editId, int status, const std::string& body);
    bool arrived(const std::string& orderFile);
    void conflictsListed(const std::string& body) { replica_.conflictsListed(body); }
    bool dismiss(const std::string& keptId) { return replica_.dismiss(keptId); }
    // The edit's changes are shown in the session at once.
    bool resend(const std::string& keptId);

private:
    // What a batch of the order's changes touched.
    struct Scope {
        bool order = false;
        bool reorder = false;
        std::set<std::string> openings; // the document's ids
        std::set<std::string> moved;    // the document's ids
    };

    void orderChanged(const std::vector<OrderChange>& changes) override;
    EditDelta deltaOf(Scope scope);
    // Where openings added or moved land, checked against where they stand.
    void placeOpenings(EditDelta& delta, const std::set<std::string>& placed);
    Scope wholeOrder() const;

    // The session shows local() again, which `change` made differ.
    void follow(const LocalChange& change);
    void followOrderFields();
    void followOpenings(const LocalChange& change);
    void followPlaces();

    std::string serverId(std::size_t index);
    // The server's ids of the session's openings, in their order.
    std::vector<std::string> serverIds();
    std::map<std::string, std::string> documentIds();
    bool isPlaceholder(std::size_t index) const;

    OrderSession& session_;
    OrderReplica replica_;
    // A blank opening put in while the order has none (the session always
    // shows one): not the order's until the user changes it.
    std::string placeholder_;
    // Changes being put into the session are not the user's.
    bool following_ = false;
    // Another order was put into the session (New, Open): its changes are
    // not this order's, and this order's replica is left as it was.
    bool detached_ = false;
};

} // namespace kavro::sync
