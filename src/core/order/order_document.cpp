// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_document.h"

#include "random_id.h"

#include <algorithm>

namespace kavro {

OrderDocument::OrderDocument(Calculator calculator) : calculator_(std::move(calculator)) {
    reset({});
    pending_.clear(); // nobody listens yet
}

std::optional<std::size_t> OrderDocument::indexOf(const std::string& openingId) const {
    const auto found = std::find(ids_.begin(), ids_.end(), openingId);
    if (found == ids_.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - ids_.begin());
}

const OpeningResults& OrderDocument::results(std::size_t index) const {
    std::optional<OpeningResults>& kept = results_.at(index);
    if (!kept)
        kept = calculator_(order_.openings[index]);
    return *kept;
}

std::vector<OpeningResults> OrderDocument::allResults() const {
    std::vector<OpeningResults> all;
    all.reserve(size());
    for (std::size_t i = 0; i < size(); ++i)
        all.push_back(results(i));
    return all;
}

int OrderDocument::accessoryQuantity(std::size_t index, const std::string& article) const {
    for (const AccessoryQuantity& a : opening(index).accessories)
        if (a.article == article)
            return a.quantity;
    return 0;
}

void OrderDocument::subscribe(OrderListener& listener) const {
    listeners_.push_back(&listener);
}

void OrderDocument::unsubscribe(OrderListener& listener) const {
    std::erase(listeners_, &listener);
}

void OrderDocument::publish() {
    if (pending_.empty())
        return;
    const std::vector<OrderChange> changes = std::move(pending_);
    pending_.clear();
    // A listener may unsubscribe while it is told.
    const std::vector<OrderListener*> listeners = listeners_;
    for (OrderListener* listener : listeners)
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end())
            listener->orderChanged(changes);
}

void OrderDocument::note(OrderChange::Kind kind, std::size_t index, std::size_t from) {
    using Kind = OrderChange::Kind;
    const bool ofOpening = kind == Kind::OpeningAdded || kind == Kind::OpeningRemoved ||
                           kind == Kind::OpeningMoved || kind == Kind::OpeningChanged ||
                           (kind == Kind::Prices && index < size());
    pending_.push_back({kind, ofOpening ? ids_.at(index) : std::string(), index, from});
}

void OrderDocument::reset(Order order) {
    order_ = std::move(order);
    if (order_.openings.empty())
        order_.openings.emplace_back();
    id_ = randomId();
    ids_.clear();
    for (std::size_t i = 0; i < size(); ++i)
        ids_.push_back(randomId());
    modified_ = false;
    // Another order is another revision: a copy of the one before is not it.
    ++revision_;
    results_.assign(order_.openings.size(), std::nullopt);
    pending_.clear();
    note(OrderChange::Kind::Replaced);
}

void OrderDocument::markSaved() {
    if (!modified_)
        return;
    modified_ = false;
    note(OrderChange::Kind::Saved);
}

void OrderDocument::markUnsaved() {
    touch();
}

void OrderDocument::setResults(std::size_t index, OpeningResults results) {
    results_.at(index) = std::move(results);
}

// The opening's results no longer hold, and the order differs from its file.
void OrderDocument::changed(std::size_t index) {
    results_[index].reset();
    touch();
    note(OrderChange::Kind::OpeningChanged, index);
}

void OrderDocument::touch() {
    if (!modified_)
        note(OrderChange::Kind::Saved);
    modified_ = true;
    ++revision_;
}

bool OrderDocument::setTitle(std::string title) {
    if (order_.title == title)
        return false;
    order_.title = std::move(title);
    touch();
    note(OrderChange::Kind::Title);
    return true;
}

bool OrderDocument::setLocation(std::size_t index, std::string location) {
    if (order_.openings.at(index).location == location)
        return false;
    order_.openings[index].location = std::move(location);
    // The location takes no part in the results.
    touch();
    note(OrderChange::Kind::OpeningChanged, index);
    return true;
}

bool OrderDocument::setCount(std::size_t index, int count) {
    if (order_.openings.at(index).count == count)
        return false;
    order_.openings[index].count = count;
    // The count takes no part in one opening's results.
    touch();
    note(OrderChange::Kind::OpeningChanged, index);
    return true;
}

bool OrderDocument::setDiscount(std::optional<Percent> discount) {
    if (order_.discount == discount)
        return false;
    order_.discount = discount;
    // Prices take no part in the results.
    touch();
    note(OrderChange::Kind::Prices, size());
    return true;
}

bool OrderDocument::setInstallationPrice(std::size_t index, std::optional<Money> price) {
    if (order_.openings.at(index).installationPrice == price)
        return false;
    order_.openings[index].installationPrice = price;
    touch();
    note(OrderChange::Kind::Prices, index);
    return true;
}

bool OrderDocument::setAccessoryQuantity(std::size_t index, const std::string& article,
                                         int quantity) {
    std::vector<AccessoryQuantity>& list = order_.openings.at(index).accessories;
    auto entry = std::find_if(list.begin(), list.end(),
                              [&](const AccessoryQuantity& a) { return a.article == article; });
    if (entry == list.end()) {
        if (quantity == 0)
            return false;
        list.push_back({article, quantity});
    } else if (entry->quantity == quantity) {
        return false;
    } else if (quantity == 0) {
        list.erase(entry);
    } else {
        entry->quantity = quantity;
    }
    changed(index);
    return true;
}

void OrderDocument::insertOpening(std::size_t at, Opening opening) {
    const auto offset = static_cast<std::ptrdiff_t>(at);
    order_.openings.insert(order_.openings.begin() + offset, std::move(opening));
    results_.insert(results_.begin() + offset, std::nullopt);
    ids_.insert(ids_.begin() + offset, randomId());
    touch();
    note(OrderChange::Kind::OpeningAdded, at);
}

void OrderDocument::removeOpening(std::size_t index) {
    note(OrderChange::Kind::OpeningRemoved, index);
    const auto at = static_cast<std::ptrdiff_t>(index);
    order_.openings.erase(order_.openings.begin() + at);
    results_.erase(results_.begin() + at);
    ids_.erase(ids_.begin() + at);
    touch();
}

std::size_t OrderDocument::appendOpenings(std::vector<Opening> openings) {
    const bool blankOnly = size() == 1 && order_.openings.front() == Opening{};
    if (blankOnly)
        removeOpening(0);
    const std::size_t first = size();
    for (Opening& opening : openings)
        insertOpening(size(), std::move(opening));
    return first;
}

void OrderDocument::moveOpening(std::size_t from, std::size_t to) {
    auto rotate = [from, to](auto& list) {
        auto first = list.begin();
        if (from < to)
            std::rotate(first + static_cast<std::ptrdiff_t>(from),
                        first + static_cast<std::ptrdiff_t>(from + 1),
                        first + static_cast<std::ptrdiff_t>(to + 1));
        else
            std::rotate(first + static_cast<std::ptrdiff_t>(to),
                        first + static_cast<std::ptrdiff_t>(from),
                        first + static_cast<std::ptrdiff_t>(from + 1));
    };
    rotate(order_.openings);
    rotate(results_);
    rotate(ids_);
    touch();
    note(OrderChange::Kind::OpeningMoved, to, from);
}

bool OrderDocument::replaceOpening(std::size_t index, Opening opening) {
    if (order_.openings.at(index) == opening)
        return false;
    order_.openings[index] = std::move(opening);
    changed(index);
    return true;
}

bool OrderDocument::formChanged(std::size_t index, const FormReading& reading) {
    Opening& opening = order_.openings.at(index);
    std::string drive = opening.drive;
    if (reading.drivePressed)
        drive = reading.chosenDrive;
    else if (reading.inputs != opening.inputs)
        drive.clear(); // the form chose its own drive again
    if (reading.inputs == opening.inputs && drive == opening.drive)
        return false;
    opening.inputs = reading.inputs;
    opening.drive = std::move(drive);
    changed(index);
    return true;
}

} // namespace kavro
