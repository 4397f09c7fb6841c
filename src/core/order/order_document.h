// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "opening_results.h"
#include "order.h"

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

// An order being edited: the openings, which one the form shows, and whether
// anything changed since the order was last saved or opened. The window only
// shows this; every decision about the order is taken here.
//
// The document always holds at least one opening, since the form always
// shows one. Results are worked out on demand through the calculator given
// at construction and kept until their opening changes.
class OrderDocument {
public:
    using Calculator = std::function<OpeningResults(const Opening&)>;

    explicit OrderDocument(Calculator calculator);

    // Replaces the whole order, as after New or Open: the first opening is
    // current and nothing is modified. An order without openings gets one
    // blank opening.
    void reset(Order order = {});

    const Order& order() const { return order_; }
    std::size_t size() const { return order_.openings.size(); }
    const Opening& opening(std::size_t index) const { return order_.openings.at(index); }
    std::size_t current() const { return current_; }
    const Opening& currentOpening() const { return order_.openings[current_]; }

    bool modified() const { return modified_; }
    // The order was saved as it stands.
    void markSaved() { modified_ = false; }
    // The order holds work that no file has (restored after a crash).
    void markUnsaved() { touch(); }
    // Grows with every change, so that a copy of the order can tell whether
    // it is still current.
    std::uint64_t revision() const { return revision_; }

    // The results of an opening, worked out when first asked for.
    const OpeningResults& results(std::size_t index) const;
    // The results of every opening, in order (the papers and tables of the
    // whole order need them all).
    std::vector<OpeningResults> allResults() const;
    // Results already worked out elsewhere for the current opening (the form
    // shows them); they are kept as the current opening's.
    void setCurrentResults(OpeningResults results);

    // Each returns whether anything changed; a refused request changes
    // nothing (an index out of range, a count or quantity out of range).
    bool setCurrent(std::size_t index);
    bool setTitle(std::string title);
    bool setLocation(std::size_t index, std::string location);
    bool setCount(std::size_t index, int count);
    // A discount on the whole order; none, or 0 %, takes it off. Refused
    // below 0 or above Order::kMaxDiscount.
    bool setDiscount(std::optional<Percent> discount);
    // The installation price of one opening; none: the firm's price.
    // Refused below zero or above Opening::kMaxInstallationPrice.
    bool setInstallationPrice(std::size_t index, std::optional<Money> price);
    // Quantity 0 takes the accessory off the opening.
    bool setAccessoryQuantity(const std::string& article, int quantity);
    // A blank opening after the last one becomes current.
    bool addOpening();
    // A copy of the current opening, just after it, becomes current.
    bool copyOpening();
    // Removes the current opening; the one after it (or the new last one)
    // becomes current. The only opening is never removed.
    bool removeOpening();
    // Openings brought in from elsewhere (a spreadsheet) go after the last
    // one, the first of them current; a lone blank opening, never changed,
    // gives way to them. Refused when the order would grow past its limit.
    bool appendOpenings(std::vector<Opening> openings);
    // Moves an opening to another place; the current opening stays current
    // wherever it goes.
    bool moveOpening(std::size_t from, std::size_t to);

    // The form shows the current opening and the user acted on it: new
    // inputs replace the opening's; the drive follows the form. A drive the
    // user pressed is kept as theirs. After a change of the inputs the form
    // chooses its own drive again, and the opening's earlier choice gives
    // way to it, so that the opening always computes to what the form shows.
    bool formChanged(const FormReading& reading);

    // An accessory quantity of the current opening, 0 when it has none.
    int accessoryQuantity(const std::string& article) const;

private:
    Opening& mutableOpening(std::size_t index);
    void changed(std::size_t index);
    void touch();

    Calculator calculator_;
    Order order_;
    std::size_t current_ = 0;
    bool modified_ = false;
    std::uint64_t revision_ = 0;
    mutable std::vector<std::optional<OpeningResults>> results_;
};

} // namespace kavro
