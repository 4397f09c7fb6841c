// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../state/field.h"
#include "../tform1.h"
#include "order_document.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kavro {

// The order behind a calculator form: what happens to the order after the
// user acts on the form or on the list, for the desktop window and the page
// alike. The form always shows the current opening once it has started;
// each call keeps the current opening's results equal to what the form
// shows. Whoever owns the form only shows what changed.
class OrderSession {
public:
    // Puts an opening into the form and returns the problems met (see
    // OpeningCalculator::apply); the owner keeps its message box and
    // clipboard out of it.
    using Applier = std::function<std::vector<std::string>(const Opening&)>;

    OrderSession(OrderDocument& document, const TForm1& form, Applier apply);

    OrderDocument& document() { return document_; }
    const OrderDocument& document() const { return document_; }

    // The form has started: it shows the current opening from now on.
    void formStarted();
    bool formShowsCurrent() const { return started_; }

    // The user acted on the form (`acted` the control, none for a start or
    // a focus change): the current opening takes what the form holds.
    // Returns whether the order changed.
    bool formActed(std::optional<Field> acted);

    // Another opening becomes current and is shown in the form.
    bool switchTo(std::size_t index);
    // The list changed as a whole: the form shows the current opening anew.
    void showCurrentInForm();

    bool setAccessoryQuantity(const std::string& article, int quantity);
    bool addOpening();
    bool copyOpening();
    bool removeOpening();
    bool appendOpenings(std::vector<Opening> openings);
    bool moveOpening(std::size_t from, std::size_t to);
    // A whole order in place of the one there (New, Open, a restore);
    // `unsaved` when no file holds it.
    void replaceOrder(Order order, bool unsaved);

private:
    // The current opening's results are those the form shows, with the
    // problems putting it there met.
    void readCurrentResults();
    bool shownAfter(bool changed);

    OrderDocument& document_;
    const TForm1& form_;
    Applier apply_;
    bool started_ = false;
    // What putting the current opening into the form met (a refused input);
    // it holds until the user changes the form.
    std::vector<std::string> applyProblems_;
};

// Why openings brought in are refused when the order would grow past its
// limit.
std::string tooManyOpeningsMessage();

} // namespace kavro
