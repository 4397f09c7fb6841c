// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_replica.h"

#include "core/order/random_id.h"
#include "order_state.h"
#include "orderio/guarded_json.h"
#include "orderio/order_file.h"

#include <algorithm>

namespace kavro::sync {

namespace {

using Json = nlohmann::ordered_json;

// An answer nests no deeper: a conflict's openings hold their accessories.
constexpr int kMaxAnswerDepth = 8;

// The server's answer as JSON; null when it is none.
Json answerJson(const std::string& body) {
    try {
        return parseGuardedJson(body, kMaxAnswerDepth);
    } catch (const JsonTextError&) {
        return nullptr;
    }
}

const char kDeletedElsewhere[] =
    "Проём удалён на другом устройстве; ваши изменения в нём сохранены отдельно.";

// The server's words of a refusal, or the status where it gave none.
std::string reasonOf(int status, const std::string& body) {
    const Json answer = answerJson(body);
    if (answer.is_object() && answer.contains("error") && answer["error"].is_string())
        return answer["error"].get<std::string>();
    return "Сервер отказал: ответ " + std::to_string(status) + ".";
}

// Whether the same request may succeed later as it is: no answer, a server
// fault, or a server too busy to take it now.
bool worthRetrying(int status) {
    return status == 0 || status == 408 || status == 429 || status >= 500;
}

// The order as the server holds it, read from an answer.
struct ServerOrder {
    std::string id;
    std::int64_t revision = 0;
    merge::OrderState state;
};

// An answer's order that does not fit the confirmed state it was asked
// against: asked again whole.
class UnfitChanges : public std::runtime_error {
public:
    UnfitChanges()
        : std::runtime_error("Изменения заказа не подходят к его копии на устройстве; заказ "
                             "запрошен целиком.") {}
};

// The order the members of `answer` carry: its whole file ("order"), or,
// asked with `since`, the file of the openings changed after that
// revision with every opening's id in its place ("sequence"); the rest
// are as in `confirmed`, which holds `since` or a later revision.
// OrderFileError for a file that cannot be read.
ServerOrder serverOrder(const Json& answer, const merge::OrderState& confirmed,
                        std::int64_t revision) {
    const Order order = OrderFile::parse(answer["order"].get<std::string>());
    ServerOrder read{order.id, order.revision, orderState(order)};
    if (!answer.contains("since"))
        return read;
    const Json& since = answer["since"];
    if (!since.is_number_integer() || since.get<std::int64_t>() > revision ||
        !answer.contains("sequence") || !answer["sequence"].is_array())
        throw UnfitChanges();
    read.state.sequence.clear();
    for (const Json& id : answer["sequence"]) {
        if (!id.is_string())
            throw UnfitChanges();
        read.state.sequence.push_back(id.get<std::string>());
    }
    if (!takeUnchanged(read.state, confirmed))
        throw UnfitChanges();
    return read;
}

bool carriesOrder(const Json& answer) {
    return answer.is_object() && answer.contains("order") && answer["order"].is_string();
}

// What a confirming answer carries.
struct Confirmation {
    ServerOrder order;
    std::vector<std::string> conflicts;
};

// None when the answer is no confirmation; UnfitChanges.
std::optional<Confirmation> confirmationOf(const Json& answer, const merge::OrderState& confirmed,
                                           std::int64_t revision) {
    if (!carriesOrder(answer))
        return std::nullopt;
    Confirmation confirmation;
    try {
        confirmation.order = serverOrder(answer, confirmed, revision);
    } catch (const OrderFileError&) {
        return std::nullopt;
    }
    if (answer.contains("conflicts") && answer["conflicts"].is_array())
        for (const Json& conflict : answer["conflicts"])
            confirmation.conflicts.push_back(conflict.dump());
    return confirmation;
}

} // namespace

OrderReplica::OrderReplica(std::string orderId, std::int64_t revision, merge::OrderState confirmed)
    : orderId_(std::move(orderId)), revision_(revision), confirmed_(std::move(confirmed)),
      local_(confirmed_) {}

void OrderReplica::record(EditDelta delta) {
    if (delta.empty())
        return;
    applyDelta(local_, delta);
    if (!queue_.empty() && !queue_.back().sent && queue_.back().delta.absorb(delta))
        return;
    queue_.push_back({randomId(), std::move(delta)});
}

std::optional<SyncRequest> OrderReplica::next() {
    if (!queue_.empty() && !inFlight_) {
        QueuedEdit& first = queue_.front();
        merge::OrderState edited = confirmed_;
        applyDelta(edited, first.delta);
        first.sent = true;
        inFlight_ = true;
        // An order the server has not seen yet has nothing to take the
        // rest from.
        sentChanges_ = revision_ > 0 && !wholeOrders_ && first.id != wholeEdit_;
        const std::string path =
            "/api/v1/orders/" + orderId_ + "?edit=" + first.id + sinceQuery("&");
        if (!sentChanges_)
            return SyncRequest{"PUT", path, orderFileText(edited, orderId_, revision_), first.id};
        return SyncRequest{"PUT", path + "&partial=1", changesText(edited, first.delta), first.id};
    }
    return std::nullopt;
}

std::string OrderReplica::changesText(const merge::OrderState& edited,
                                      const EditDelta& delta) const {
    merge::OrderState changed{edited.fields, {}, {}};
    for (const std::string& id : edited.sequence)
        if (delta.openings.count(id) || delta.added.count(id)) {
            changed.sequence.push_back(id);
            changed.openings.emplace(id, edited.openings.at(id));
        }
    return Json{{"sequence", edited.sequence},
                {"order", orderFileText(changed, orderId_, revision_)}}
        .dump();
}

SyncRequest OrderReplica::pull() const {
    return {"GET", "/api/v1/orders/" + orderId_ + sinceQuery("?"), {}, {}};
}

std::string OrderReplica::sinceQuery(const char* separator) const {
    return wholeOrders_ ? std::string() : separator + ("since=" + std::to_string(revision_));
}

AnswerOutcome OrderReplica::answered(const std::string& editId, int status,
                                     const std::string& body) {
    localChange_ = {};
    const bool first = !queue_.empty() && queue_.front().id == editId;
    if (first)
        inFlight_ = false;
    if (status == 200) {
        std::optional<Confirmation> confirmation;
        try {
            confirmation = confirmationOf(answerJson(body), confirmed_, revision_);
        } catch (const UnfitChanges&) {
            // Applied, but its answer unread: sent again whole, the server
            // answers that it was applied, with the whole order.
            wholeOrders_ = true;
            return first ? AnswerOutcome::Resend : AnswerOutcome::Unknown;
        }
        if (!confirmation)
            return first ? AnswerOutcome::Retry : AnswerOutcome::Unknown;
        if (first)
            queue_.pop_front();
        for (std::string& conflict : confirmation->conflicts)
            conflicts_.push_back(std::move(conflict));
        // A late answer may be older than what arrived since: the newer
        // state already holds the edit, which was applied before it.
        if (confirmation->order.revision >= revision_)
            confirm(confirmation->order.revision, std::move(confirmation->order.state));
        else
            replay();
        return first ? AnswerOutcome::Confirmed : AnswerOutcome::Unknown;
    }
    if (!first)
        return AnswerOutcome::Unknown;
    if (worthRetrying(status))
        return AnswerOutcome::Retry;
    if (status == 401)
        return AnswerOutcome::SignIn;
    // Refused as sent in part (the server may not take edits so): it is
    // refused only once the server has refused it whole.
    if (sentChanges_) {
        wholeEdit_ = editId;
        return AnswerOutcome::Resend;
    }
    return refuse(editId, reasonOf(status, body));
}

AnswerOutcome OrderReplica::refuse(const std::string& editId, std::string reason) {
    const auto edit = std::find_if(queue_.begin(), queue_.end(),
                                   [&](const QueuedEdit& queued) { return queued.id == editId; });
    if (edit == queue_.end())
        return AnswerOutcome::Unknown;
    kept_.push_back({edit->id, std::move(reason), std::move(edit->delta)});
    if (edit == queue_.begin())
        inFlight_ = false;
    queue_.erase(edit);
    replay();
    return AnswerOutcome::Refused;
}

bool OrderReplica::arrived(const std::string& body) {
    localChange_ = {};
    const Json answer = answerJson(body);
    ServerOrder order;
    if (carriesOrder(answer)) {
        try {
            order = serverOrder(answer, confirmed_, revision_);
        } catch (const UnfitChanges& error) {
            wholeOrders_ = true;
            throw ReplicaError(error.what());
        }
    } else {
        // The order file itself: asked for whole, or from a server that
        // sends orders only whole.
        const Order whole = OrderFile::parse(body);
        order = {whole.id, whole.revision, orderState(whole)};
    }
    if (order.id != orderId_)
        throw ReplicaError("Пришёл другой заказ: " + order.id + " вместо " + orderId_ + ".");
    if (order.revision <= revision_)
        return false;
    confirm(order.revision, std::move(order.state));
    return true;
}

void OrderReplica::conflictsListed(const std::string& body) {
    const Json answer = answerJson(body);
    if (!answer.is_object() || !answer.contains("conflicts") || !answer["conflicts"].is_array())
        throw ReplicaError("Список конфликтов не прочитан.");
    conflicts_.clear();
    for (const Json& conflict : answer["conflicts"])
        conflicts_.push_back(conflict.dump());
}

bool OrderReplica::dismiss(const std::string& keptId) {
    return std::erase_if(kept_, [&](const KeptEdit& edit) { return edit.id == keptId; }) != 0;
}

bool OrderReplica::resend(const std::string& keptId) {
    const auto edit = std::find_if(kept_.begin(), kept_.end(),
                                   [&](const KeptEdit& kept) { return kept.id == keptId; });
    if (edit == kept_.end())
        return false;
    EditDelta delta = std::move(edit->delta);
    kept_.erase(edit);
    // A rare step: what it changed is found by comparing the whole order.
    const merge::OrderState seen = local_;
    record(std::move(delta));
    localChange_ = {};
    noteChange(seen);
    return true;
}

void OrderReplica::confirm(std::int64_t revision, merge::OrderState state) {
    revision_ = revision;
    confirmed_ = std::move(state);
    confirmedRecord_.clear();
    replay();
}

void OrderReplica::replay() {
    const merge::OrderState seen = std::move(local_);
    local_ = confirmed_;
    for (auto edit = queue_.begin(); edit != queue_.end();) {
        for (const std::string& opening : applyDelta(local_, edit->delta)) {
            if (!deletedLater(edit, opening))
                keepDeleted(*edit, opening, seen);
            edit->delta.openings.erase(opening);
        }
        // An edit never sent that has nothing left is no edit; one sent may
        // be applied already and waits for its answer.
        if (edit->delta.empty() && !edit->sent)
            edit = queue_.erase(edit);
        else
            ++edit;
    }
    noteChange(seen);
}

void OrderReplica::noteChange(const merge::OrderState& seen) {
    localChange_.fields = localChange_.fields || seen.fields != local_.fields;
    localChange_.sequence = localChange_.sequence || seen.sequence != local_.sequence;
    for (const auto& [id, fields] : local_.openings)
        if (const auto was = seen.openings.find(id);
            was == seen.openings.end() || was->second != fields)
            localChange_.openings.insert(id);
    for (const auto& [id, fields] : seen.openings)
        if (!local_.openings.count(id))
            localChange_.openings.insert(id);
}

bool OrderReplica::deletedLater(std::deque<QueuedEdit>::const_iterator edit,
                                const std::string& opening) const {
    return std::any_of(edit, queue_.cend(),
                       [&](const QueuedEdit& later) { return later.delta.deleted.count(opening); });
}

// Put back as a new opening, it would undo the other device's deletion
// unseen; dropped, the user's work would be lost. Kept aside whole, it is
// shown with the reason and can be added again by the user.
void OrderReplica::keepDeleted(const QueuedEdit& edit, const std::string& opening,
                               const merge::OrderState& seen) {
    EditDelta kept;
    const std::string copy = randomId();
    const auto fields = seen.openings.find(opening);
    if (fields != seen.openings.end()) {
        kept.added[copy] = fields->second;
    } else {
        merge::Fields changed;
        for (const auto& [key, value] : edit.delta.openings.at(opening))
            if (value)
                changed[key] = *value;
        kept.added[copy] = std::move(changed);
    }
    const auto at = std::find(seen.sequence.begin(), seen.sequence.end(), opening);
    kept.places.push_back(
        {copy, at == seen.sequence.end() || at == seen.sequence.begin() ? "" : *(at - 1)});
    kept_.push_back({edit.id + "-" + opening, kDeletedElsewhere, std::move(kept)});
}

} // namespace kavro::sync
