// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "edit_delta.h"
#include "merge/order_merge.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace kavro::sync {

// A kept replica that cannot be read back, with the reason in words.
class ReplicaError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A local edit the server has not confirmed yet. Its id goes with every
// try, so that the server applies it once however often it is sent.
struct QueuedEdit {
    std::string id;
    EditDelta delta;
    // Sent at least once: it may be applied already, so nothing more joins it.
    bool sent = false;

    bool operator==(const QueuedEdit&) const = default;
};

// An edit that cannot reach the order, kept with the reason the user is
// shown: the server refused it, or the opening it changed was deleted
// elsewhere (then it holds that opening whole, as it stood here).
struct KeptEdit {
    std::string id;
    std::string reason;
    EditDelta delta;

    bool operator==(const KeptEdit&) const = default;
};

// What the last answer or arrival changed in local(), so that the session
// shows that rather than compare the whole order again.
struct LocalChange {
    bool fields = false;
    bool sequence = false;
    // Openings changed, added or removed.
    std::set<std::string> openings;
};

// A request to the firm's server (docs/server-api.yaml).
struct SyncRequest {
    std::string method;
    std::string path;
    std::string body;
    std::string editId;
};

// What became of an answer.
enum class AnswerOutcome {
    Confirmed, // the edit left the queue; the order is as the server said
    Refused,   // the edit was kept aside with the server's reason
    Retry,     // no answer, or the server could not take it now: sent again later
    Resend,    // refused as sent in part: sent again at once, whole
    SignIn,    // sent again after the next sign-in
    Unknown,   // an answer to no edit in the queue: a late one, its order taken if newer
};

// One shared order on this device: what the server last confirmed (its
// state and revision) and, on top of it, the local edits not yet
// confirmed. What the user sees is `local()`: the confirmed state with the
// queue replayed on it, again whenever the server confirms an edit or
// another device's change arrives. The server merges; this only replays.
class OrderReplica {
public:
    // An order the server has not seen yet, or has only at `revision` with
    // `confirmed` in it.
    explicit OrderReplica(std::string orderId, std::int64_t revision = 0,
                          merge::OrderState confirmed = {});

    const std::string& orderId() const { return orderId_; }
    std::int64_t revision() const { return revision_; }
    const merge::OrderState& confirmed() const { return confirmed_; }
    const merge::OrderState& local() const { return local_; }
    const std::deque<QueuedEdit>& queue() const { return queue_; }
    const std::vector<KeptEdit>& kept() const { return kept_; }
    // The conflicts the server keeps for the order, each as its JSON.
    const std::vector<std::string>& conflicts() const { return conflicts_; }
    // Since the last answer() or arrived() began.
    const LocalChange& localChange() const { return localChange_; }

    // A local edit, already in `local()`'s terms. Joins the last queued edit
    // when both change the same record and that edit was never sent.
    void record(EditDelta delta);
    // The first edit as an order file (the confirmed state with the edit
    // applied, naming the confirmed revision), or as what it changed of
    // the confirmed state (see takeUnchanged); none when the queue is
    // empty or its first edit awaits an answer.
    std::optional<SyncRequest> next();
    // The request for the order as the server holds it now. Both ask only
    // for what changed after the confirmed revision, unless an answer of
    // that kind did not fit the confirmed state: then orders come whole.
    SyncRequest pull() const;
    // The answer to edit `editId`: `status` 0 when none came.
    AnswerOutcome answered(const std::string& editId, int status, const std::string& body);
    // The answer to pull() (the order file, or what changed since), when
    // another device changed the order. Returns whether it was newer than
    // the confirmed state.
    bool arrived(const std::string& body);
    // The server's list of the order's conflicts (GET .../conflicts).
    void conflictsListed(const std::string& body);
    // A kept edit the user lets go, or sends again: queued anew, with a new
    // id, on top of what waits, as if just made. False for an id not kept.
    bool dismiss(const std::string& keptId);
    bool resend(const std::string& keptId);
    // The replica as bytes to keep beside the order, and read back; a
    // damaged record is refused with ReplicaError.
    std::string save() const;
    static OrderReplica load(const std::string& bytes);

private:
    void confirm(std::int64_t revision, merge::OrderState state);
    // local_ anew from the confirmed state and the queue; changes of
    // openings deleted meanwhile are kept aside, whole.
    void replay();
    void noteChange(const merge::OrderState& seen);
    // An edit's changes of `opening`, deleted elsewhere, set aside whole as
    // the user last saw it in `seen`.
    void keepDeleted(const QueuedEdit& edit, const std::string& opening,
                     const merge::OrderState& seen);
    bool deletedLater(std::deque<QueuedEdit>::const_iterator edit,
                      const std::string& opening) const;
    AnswerOutcome refuse(const std::string& editId, std::string reason);
    std::string sinceQuery(const char* separator) const;
    // The request's body of an edit sent as what it changed.
    std::string changesText(const merge::OrderState& edited, const EditDelta& delta) const;

    std::string orderId_;
    std::int64_t revision_ = 0;
    merge::OrderState confirmed_;
    merge::OrderState local_;
    std::deque<QueuedEdit> queue_;
    std::vector<KeptEdit> kept_;
    std::vector<std::string> conflicts_;
    LocalChange localChange_;
    // The confirmed state as the record's JSON string, kept between saves:
    // the record is saved at every local change, the confirmed state
    // changes only when the server's order comes.
    mutable std::string confirmedRecord_;
    // The first edit's request is out and unanswered.
    bool inFlight_ = false;
    // The edit in flight was sent as what it changed.
    bool sentChanges_ = false;
    // The edit refused as sent so: sent whole.
    std::string wholeEdit_;
    // The server's orders are asked for, and edits sent, whole (see pull()).
    bool wholeOrders_ = false;
};

} // namespace kavro::sync
