// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_session.h"

#include "opening_calculator.h"
#include "order_limits.h"

#include <algorithm>

namespace kavro {

namespace {

const char kNoSuchOpening[] = "Такого проёма в заказе нет.";

bool isInstallationPrice(Money price) {
    return price >= Money{0} && price <= Opening::kMaxInstallationPrice;
}

std::string installationPriceRefusal() {
    return "Цена монтажа должна быть от 0 до " + plainMoneyText(Opening::kMaxInstallationPrice) +
           " руб.";
}

ActionResult done() {
    return ActionResult::done();
}

ActionResult refused(std::string reason) {
    return ActionResult::refused(std::move(reason));
}

} // namespace

OrderSession::OrderSession(OrderDocument& document)
    : document_(document), currentId_(document.openingId(0)) {}

OrderSession::OrderSession(OrderDocument& document, const TForm1& form, Applier apply)
    : document_(document), form_(&form), apply_(std::move(apply)),
      currentId_(document.openingId(0)) {}

std::size_t OrderSession::current() const {
    if (currentIndex_ < document_.size() && document_.openingId(currentIndex_) == currentId_)
        return currentIndex_;
    if (const auto found = document_.indexOf(currentId_))
        currentIndex_ = *found;
    return std::min(currentIndex_, document_.size() - 1);
}

std::optional<std::size_t> OrderSession::checkedIndex(std::size_t index) const {
    if (index >= document_.size())
        return std::nullopt;
    return index;
}

// The order's listeners first, then whoever follows the form: by then the
// order is whole and the form shows what it should.
ActionResult OrderSession::finish(ActionResult result) {
    document_.publish();
    if (std::exchange(shownAnew_, false) && shownListener_)
        shownListener_();
    return result;
}

void OrderSession::formStarted() {
    started_ = true;
    showCurrentInForm();
    shownAnew_ = true;
    finish(done());
}

bool OrderSession::formActed(std::optional<Field> acted) {
    // Until the form has started, what it holds is not the order's.
    if (!started_)
        return false;
    const FormReading reading{.inputs = OpeningCalculator::capture(*form_),
                              .chosenDrive = form_->Spisok.cell(0, form_->VybrannayaStroka),
                              .drivePressed = acted == Field::Spisok};
    if (!document_.formChanged(current(), reading))
        return false;
    applyProblems_.clear();
    readCurrentResults();
    finish(done());
    return true;
}

void OrderSession::show(std::size_t index) {
    currentId_ = document_.openingId(index);
    currentIndex_ = index;
    showCurrentInForm();
    shownAnew_ = true;
}

void OrderSession::showCurrentInForm() {
    if (!started_)
        return;
    applyProblems_ = apply_(currentOpening());
    readCurrentResults();
}

void OrderSession::readCurrentResults() {
    if (!started_)
        return;
    OpeningResults results = OpeningCalculator::read(*form_, currentOpening());
    for (const std::string& problem : applyProblems_)
        if (std::find(results.problems.begin(), results.problems.end(), problem) ==
            results.problems.end())
            results.problems.push_back(problem);
    document_.setResults(current(), std::move(results));
}

ActionResult OrderSession::switchTo(std::size_t index) {
    if (!checkedIndex(index))
        return refused(kNoSuchOpening);
    if (index != current())
        show(index);
    return finish(done());
}

ActionResult OrderSession::setTitle(std::string title) {
    document_.setTitle(std::move(title));
    return finish(done());
}

ActionResult OrderSession::setLocation(std::size_t index, std::string location) {
    if (!checkedIndex(index))
        return refused(kNoSuchOpening);
    document_.setLocation(index, std::move(location));
    return finish(done());
}

ActionResult OrderSession::setCount(std::size_t index, std::string_view text) {
    if (!checkedIndex(index))
        return refused(kNoSuchOpening);
    const std::optional<int> count = readOpeningCount(text);
    if (!count)
        return refused(openingCountRefusal());
    document_.setCount(index, *count);
    return finish(done());
}

ActionResult OrderSession::setDiscount(std::optional<Percent> discount) {
    if (discount && (*discount < Percent{0} || *discount > Order::kMaxDiscount))
        return refused("Скидка должна быть от 0 до " + percentText(Order::kMaxDiscount) + " %.");
    // A 0 % discount is none, so that a file never says "0 %".
    if (discount == Percent{0})
        discount.reset();
    document_.setDiscount(discount);
    return finish(done());
}

ActionResult OrderSession::setInstallationPrice(std::optional<Money> price) {
    if (price && !isInstallationPrice(*price))
        return refused(installationPriceRefusal());
    document_.setInstallationPrice(current(), price);
    return finish(done());
}

ActionResult OrderSession::setAccessoryQuantity(const std::string& article, int quantity) {
    if (article.empty())
        return refused("Не указан артикул аксессуара.");
    if (!isAccessoryQuantity(quantity))
        return refused(accessoryQuantityRefusal());
    if (document_.setAccessoryQuantity(current(), article, quantity))
        readCurrentResults();
    return finish(done());
}

ActionResult OrderSession::setAccessoryQuantity(const std::string& article, std::string_view text) {
    const std::optional<int> quantity = readAccessoryQuantity(text);
    if (!quantity)
        return refused(article.empty() ? "Не указан артикул аксессуара."
                                       : accessoryQuantityRefusal());
    return setAccessoryQuantity(article, *quantity);
}

ActionResult OrderSession::addOpening() {
    if (document_.size() >= Order::kMaxOpenings)
        return refused(tooManyOpeningsMessage());
    document_.insertOpening(document_.size(), Opening{});
    show(document_.size() - 1);
    return finish(done());
}

ActionResult OrderSession::copyOpening() {
    if (document_.size() >= Order::kMaxOpenings)
        return refused(tooManyOpeningsMessage());
    const std::size_t at = current() + 1;
    // The copy is a new opening to the firm's server, not a second record
    // under the original's id.
    Opening copy = currentOpening();
    copy.id.clear();
    copy.revision = 0;
    document_.insertOpening(at, std::move(copy));
    show(at);
    return finish(done());
}

ActionResult OrderSession::removeOpening() {
    if (document_.size() <= 1)
        return refused("Единственный проём заказа не удаляется.");
    const std::size_t at = current();
    document_.removeOpening(at);
    show(std::min(at, document_.size() - 1));
    return finish(done());
}

ActionResult OrderSession::appendOpenings(std::vector<Opening> openings) {
    if (openings.empty())
        return refused("В таблице нет ни одного проёма.");
    const bool blankOnly = document_.size() == 1 && document_.opening(0) == Opening{};
    const std::size_t kept = blankOnly ? 0 : document_.size();
    if (openings.size() > Order::kMaxOpenings - kept)
        return refused(tooManyOpeningsMessage());
    show(document_.appendOpenings(std::move(openings)));
    return finish(done());
}

// The current opening keeps its place in the form: nothing to show anew.
ActionResult OrderSession::moveOpening(std::size_t from, std::size_t to) {
    if (!checkedIndex(from) || !checkedIndex(to))
        return refused(kNoSuchOpening);
    if (from == to)
        return refused("Проём уже на этом месте.");
    document_.moveOpening(from, to);
    return finish(done());
}

ActionResult OrderSession::replaceOpening(const std::string& id, Opening opening) {
    const std::optional<std::size_t> index = document_.indexOf(id);
    if (!index)
        return refused(kNoSuchOpening);
    if (auto refusal = openingRefusal(opening))
        return refused(std::move(*refusal));
    if (document_.replaceOpening(*index, std::move(opening)) && *index == current())
        show(*index);
    return finish(done());
}

ActionResult OrderSession::insertOpening(std::size_t at, Opening opening) {
    if (at > document_.size())
        return refused(kNoSuchOpening);
    if (document_.size() >= Order::kMaxOpenings)
        return refused(tooManyOpeningsMessage());
    if (auto refusal = openingRefusal(opening))
        return refused(std::move(*refusal));
    document_.insertOpening(at, std::move(opening));
    return finish(done());
}

ActionResult OrderSession::removeOpening(const std::string& id) {
    const std::optional<std::size_t> index = document_.indexOf(id);
    if (!index)
        return refused(kNoSuchOpening);
    if (document_.size() <= 1)
        return refused("Единственный проём заказа не удаляется.");
    const bool shown = *index == current();
    document_.removeOpening(*index);
    if (shown)
        show(std::min(*index, document_.size() - 1));
    return finish(done());
}

void OrderSession::identify(const std::string& id, std::string serverId) {
    if (const auto index = document_.indexOf(id))
        document_.identify(*index, std::move(serverId));
}

std::optional<std::string> OrderSession::openingRefusal(const Opening& opening) {
    if (!isOpeningCount(opening.count))
        return openingCountRefusal();
    for (const AccessoryQuantity& accessory : opening.accessories)
        if (!isAccessoryQuantity(accessory.quantity))
            return accessoryQuantityRefusal();
    if (const auto& price = opening.installationPrice; price && !isInstallationPrice(*price))
        return installationPriceRefusal();
    return std::nullopt;
}

void OrderSession::replaceOrder(Order order, bool unsaved) {
    document_.reset(std::move(order));
    if (unsaved)
        document_.markUnsaved();
    show(0);
    finish(done());
}

void OrderSession::markSaved() {
    document_.markSaved();
    finish(done());
}

} // namespace kavro
