// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_session.h"

#include "opening_calculator.h"

#include <algorithm>

namespace kavro {

OrderSession::OrderSession(OrderDocument& document, const TForm1& form, Applier apply)
    : document_(document), form_(form), apply_(std::move(apply)) {}

void OrderSession::formStarted() {
    started_ = true;
    showCurrentInForm();
}

bool OrderSession::formActed(std::optional<Field> acted) {
    // Until the form has started, what it holds is not the order's.
    if (!started_)
        return false;
    const FormReading reading{.inputs = OpeningCalculator::capture(form_),
                              .chosenDrive = form_.Spisok.cell(0, form_.VybrannayaStroka),
                              .drivePressed = acted == Field::Spisok};
    if (!document_.formChanged(reading))
        return false;
    applyProblems_.clear();
    readCurrentResults();
    return true;
}

bool OrderSession::switchTo(std::size_t index) {
    if (!document_.setCurrent(index))
        return false;
    showCurrentInForm();
    return true;
}

void OrderSession::showCurrentInForm() {
    if (!started_)
        return;
    applyProblems_ = apply_(document_.currentOpening());
    readCurrentResults();
}

void OrderSession::readCurrentResults() {
    OpeningResults results = OpeningCalculator::read(form_, document_.currentOpening());
    for (const std::string& problem : applyProblems_)
        if (std::find(results.problems.begin(), results.problems.end(), problem) ==
            results.problems.end())
            results.problems.push_back(problem);
    document_.setCurrentResults(std::move(results));
}

bool OrderSession::shownAfter(bool changed) {
    if (changed)
        showCurrentInForm();
    return changed;
}

bool OrderSession::setAccessoryQuantity(const std::string& article, int quantity) {
    if (!document_.setAccessoryQuantity(article, quantity))
        return false;
    readCurrentResults();
    return true;
}

bool OrderSession::addOpening() {
    return shownAfter(document_.addOpening());
}

bool OrderSession::copyOpening() {
    return shownAfter(document_.copyOpening());
}

bool OrderSession::removeOpening() {
    return shownAfter(document_.removeOpening());
}

bool OrderSession::appendOpenings(std::vector<Opening> openings) {
    return shownAfter(document_.appendOpenings(std::move(openings)));
}

// The current opening keeps its place in the form: nothing to show anew.
bool OrderSession::moveOpening(std::size_t from, std::size_t to) {
    return document_.moveOpening(from, to);
}

void OrderSession::replaceOrder(Order order, bool unsaved) {
    document_.reset(std::move(order));
    if (unsaved)
        document_.markUnsaved();
    showCurrentInForm();
}

std::string tooManyOpeningsMessage() {
    return "В заказе не может быть больше " + std::to_string(Order::kMaxOpenings) + " проёмов.";
}

} // namespace kavro
