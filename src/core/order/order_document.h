// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "opening_results.h"
#include "order.h"
#include "order_change.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kavro {

// What the calculator form holds after one of the user's actions, as the
// order needs it.
struct FormReading {
    OpeningInputs inputs;
    // Article of the drive the form has chosen now; empty when none fits.
    std::string chosenDrive;
    // The action was a press on the drive list: the chosen drive is the
    // user's own choice, not the one the form makes by itself.
    bool drivePressed = false;
};

// An order being edited: its openings, each with an id of its own for as
// long as it is in the order, whether anything changed since the order was
// last saved or opened, and who is told of each change. Only OrderSession
// changes it, having checked the change; everyone else reads it.
//
// The document always holds at least one opening, since the form always
// shows one. Results are worked out on demand through the calculator given
// at construction and kept until their opening changes.
class OrderDocument {
public:
    using Calculator = std::function<OpeningResults(const Opening&)>;

    explicit OrderDocument(Calculator calculator);

    const Order& order() const { return order_; }
    std::size_t size() const { return order_.openings.size(); }
    const Opening& opening(std::size_t index) const { return order_.openings.at(index); }

    // The order's id, new with every other order put in place.
    const std::string& id() const { return id_; }
    const std::string& openingId(std::size_t index) const { return ids_.at(index); }
    // Where the opening with that id stands; none when it is not in the order.
    std::optional<std::size_t> indexOf(const std::string& openingId) const;

    bool modified() const { return modified_; }
    // Grows with every change, so that a copy of the order can tell whether
    // it is still current.
    std::uint64_t revision() const { return revision_; }

    // The results of an opening, worked out when first asked for.
    const OpeningResults& results(std::size_t index) const;
    // The results of every opening, in order (the papers and tables of the
    // whole order need them all).
    std::vector<OpeningResults> allResults() const;
    // An accessory quantity of an opening, 0 when it has none.
    int accessoryQuantity(std::size_t index, const std::string& article) const;

    // The listener is told of every change until it is unsubscribed; it
    // outlives its subscription.
    void subscribe(OrderListener& listener) const;
    void unsubscribe(OrderListener& listener) const;

private:
    friend class OrderSession;

    // A whole order in place of this one: every opening gets a new id. An
    // order without openings gets one blank opening.
    void reset(Order order);
    void markSaved();
    void markUnsaved();
    // Results already worked out elsewhere (the form shows them).
    void setResults(std::size_t index, OpeningResults results);

    // Each takes a change already checked and returns whether anything
    // changed.
    bool setTitle(std::string title);
    bool setLocation(std::size_t index, std::string location);
    bool setCount(std::size_t index, int count);
    bool setDiscount(std::optional<Percent> discount);
    bool setInstallationPrice(std::size_t index, std::optional<Money> price);
    bool setAccessoryQuantity(std::size_t index, const std::string& article, int quantity);
    void insertOpening(std::size_t at, Opening opening);
    void removeOpening(std::size_t index);
    // Openings brought in from elsewhere (a spreadsheet) after the last one;
    // a lone blank opening, never changed, gives way to them. Returns where
    // the first of them stands.
    std::size_t appendOpenings(std::vector<Opening> openings);
    void moveOpening(std::size_t from, std::size_t to);
    bool replaceOpening(std::size_t index, Opening opening);
    // The opening's id on the firm's server; no change of what it holds.
    void identify(std::size_t index, std::string serverId) {
        order_.openings.at(index).id = std::move(serverId);
    }
    // The form showing the opening at `index` was acted on: new inputs
    // replace the opening's; the drive follows the form. A drive the user
    // pressed is kept as theirs. After a change of the inputs the form
    // chooses its own drive again, and the opening's earlier choice gives
    // way to it, so that the opening always computes to what the form shows.
    bool formChanged(std::size_t index, const FormReading& reading);

    // Tells the listeners what changed since they were told last.
    void publish();

    void changed(std::size_t index);
    void touch();
    void note(OrderChange::Kind kind, std::size_t index = 0, std::size_t from = 0);

    Calculator calculator_;
    Order order_;
    std::string id_;
    std::vector<std::string> ids_;
    bool modified_ = false;
    std::uint64_t revision_ = 0;
    mutable std::vector<std::optional<OpeningResults>> results_;
    // Who is told is no part of the order.
    mutable std::vector<OrderListener*> listeners_;
    std::vector<OrderChange> pending_;
};

} // namespace kavro
