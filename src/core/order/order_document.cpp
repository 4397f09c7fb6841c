// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_document.h"

#include <algorithm>

namespace kavro {

OrderDocument::OrderDocument(Calculator calculator) : calculator_(std::move(calculator)) {
    reset();
}

void OrderDocument::reset(Order order) {
    order_ = std::move(order);
    if (order_.openings.empty())
        order_.openings.emplace_back();
    current_ = 0;
    modified_ = false;
    // Another order is another revision: a copy of the one before is not it.
    ++revision_;
    results_.assign(order_.openings.size(), std::nullopt);
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

void OrderDocument::setCurrentResults(OpeningResults results) {
    results_[current_] = std::move(results);
}

Opening& OrderDocument::mutableOpening(std::size_t index) {
    return order_.openings.at(index);
}

// The opening's results no longer hold, and the order differs from its file.
void OrderDocument::changed(std::size_t index) {
    results_[index].reset();
    touch();
}

void OrderDocument::touch() {
    modified_ = true;
    ++revision_;
}

bool OrderDocument::setCurrent(std::size_t index) {
    if (index >= size() || index == current_)
        return false;
    current_ = index;
    return true;
}

bool OrderDocument::setTitle(std::string title) {
    if (order_.title == title)
        return false;
    order_.title = std::move(title);
    touch();
    return true;
}

bool OrderDocument::setLocation(std::size_t index, std::string location) {
    if (index >= size() || order_.openings[index].location == location)
        return false;
    order_.openings[index].location = std::move(location);
    // The location takes no part in the results.
    touch();
    return true;
}

bool OrderDocument::setCount(std::size_t index, int count) {
    if (index >= size() || count < Opening::kMinCount || count > Opening::kMaxCount ||
        order_.openings[index].count == count)
        return false;
    order_.openings[index].count = count;
    touch();
    return true;
}

bool OrderDocument::setDiscount(std::optional<Percent> discount) {
    if (discount && (*discount < Percent{0} || *discount > Order::kMaxDiscount))
        return false;
    if (discount == Percent{0})
        discount.reset();
    if (order_.discount == discount)
        return false;
    order_.discount = discount;
    // Prices take no part in the results.
    touch();
    return true;
}

bool OrderDocument::setInstallationPrice(std::size_t index, std::optional<Money> price) {
    if (index >= size() ||
        (price && (*price < Money{0} || *price > Opening::kMaxInstallationPrice)) ||
        order_.openings[index].installationPrice == price)
        return false;
    order_.openings[index].installationPrice = price;
    touch();
    return true;
}

int OrderDocument::accessoryQuantity(const std::string& article) const {
    for (const AccessoryQuantity& a : currentOpening().accessories)
        if (a.article == article)
            return a.quantity;
    return 0;
}

bool OrderDocument::setAccessoryQuantity(const std::string& article, int quantity) {
    if (article.empty() || quantity < 0 || quantity > Opening::kMaxAccessoryQuantity)
        return false;
    std::vector<AccessoryQuantity>& list = mutableOpening(current_).accessories;
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
    changed(current_);
    return true;
}

bool OrderDocument::addOpening() {
    if (size() >= Order::kMaxOpenings)
        return false;
    order_.openings.emplace_back();
    results_.emplace_back();
    current_ = size() - 1;
    touch();
    return true;
}

bool OrderDocument::copyOpening() {
    if (size() >= Order::kMaxOpenings)
        return false;
    const auto at = static_cast<std::ptrdiff_t>(current_ + 1);
    // Copied before inserting: the insertion may move the original.
    Opening copy = currentOpening();
    // The copy is a new opening to the firm's server, not a second record
    // under the original's id.
    copy.id.clear();
    copy.revision = 0;
    std::optional<OpeningResults> copyResults = results_[current_];
    order_.openings.insert(order_.openings.begin() + at, std::move(copy));
    results_.insert(results_.begin() + at, std::move(copyResults));
    ++current_;
    touch();
    return true;
}

bool OrderDocument::removeOpening() {
    if (size() <= 1)
        return false;
    const auto at = static_cast<std::ptrdiff_t>(current_);
    order_.openings.erase(order_.openings.begin() + at);
    results_.erase(results_.begin() + at);
    current_ = std::min(current_, size() - 1);
    touch();
    return true;
}

bool OrderDocument::appendOpenings(std::vector<Opening> openings) {
    if (openings.empty())
        return false;
    const bool blankOnly = size() == 1 && currentOpening() == Opening{};
    const std::size_t kept = blankOnly ? 0 : size();
    if (openings.size() > Order::kMaxOpenings - kept)
        return false;
    order_.openings.resize(kept);
    results_.resize(kept);
    for (Opening& opening : openings)
        order_.openings.push_back(std::move(opening));
    results_.resize(size());
    current_ = kept;
    touch();
    return true;
}

bool OrderDocument::moveOpening(std::size_t from, std::size_t to) {
    if (from >= size() || to >= size() || from == to)
        return false;
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
    if (current_ == from)
        current_ = to;
    else if (from < current_ && current_ <= to)
        --current_;
    else if (to <= current_ && current_ < from)
        ++current_;
    touch();
    return true;
}

bool OrderDocument::formChanged(const FormReading& reading) {
    Opening& opening = mutableOpening(current_);
    std::string drive = opening.drive;
    if (reading.drivePressed)
        drive = reading.chosenDrive;
    else if (reading.inputs != opening.inputs)
        drive.clear(); // the form chose its own drive again
    if (reading.inputs == opening.inputs && drive == opening.drive)
        return false;
    opening.inputs = reading.inputs;
    opening.drive = std::move(drive);
    changed(current_);
    return true;
}

} // namespace kavro
