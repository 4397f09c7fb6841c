// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "order_calculator.h"
#include "sync/session_replica.h"

#include <memory>
#include <string>

namespace kavro {

// The page's order shared through the firm's server: the replica of the
// order open in an OrderCalculator, as bytes and JSON for the page, which
// only carries them to the server and to storage (web/order-sync.js).
// Changes that come from the server reach the page through the
// calculator's news listener.
class OrderSync {
public:
    explicit OrderSync(OrderCalculator& calculator);

    // Shares the calculator's order as `orderId`: its replica read back from
    // `kept`, or a new one (see SessionReplica). Answers {result, error}.
    std::string open(const std::string& orderId, const std::string& kept);
    // The next request to send: {method, path, body, edit, delta}; empty
    // when there is none to send now.
    std::string next();
    // The answer to edit `edit` (`status` 0: none came): {outcome, ...counts}.
    std::string answered(const std::string& edit, double status, const std::string& body);
    // The request for the order as the server holds it now: {method, path};
    // empty when no order is shared.
    std::string pull() const;
    // Its answer's body: {result, newer}.
    std::string arrived(const std::string& body);
    // The server's list of the order's conflicts: {result}.
    std::string conflictsListed(const std::string& body);

    // The replica's bytes, kept with the order.
    std::string kept() const;
    // {waiting, refused, conflicts, revision}
    std::string counts() const;
    // The edits kept aside: [{edit, reason, lines, delta}], `lines` what
    // each changed, in words.
    std::string refused() const;
    // The conflicts the server keeps, each as the two versions in words
    // (see conflictView): [{id, row, title, note, fields, choices}].
    std::string conflicts() const;
    // A kept edit let go, or queued again (its changes shown at once):
    // the counts, with {result} "done" or "failed" for an edit not kept.
    std::string dismiss(const std::string& edit);
    std::string resend(const std::string& edit);
    // The order as this device has it: the confirmed state and the queue.
    std::string localOrder() const;

private:
    OrderCalculator& calculator_;
    std::unique_ptr<sync::SessionReplica> link_;
};

} // namespace kavro
