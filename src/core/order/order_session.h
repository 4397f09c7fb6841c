// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../input/action_result.h"
#include "../state/field.h"
#include "../tform1.h"
#include "order_document.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// The one way to change an order, whoever asks: the user at the window or
// the page, a file merged in, another device. Each change is checked here,
// against the limits of order_limits.h, and ends done or refused with the
// reason as the user is shown it; the order then tells its listeners what
// changed, so that no caller updates a view itself.
//
// A session may have a calculator form beside it, which then always shows
// one opening of the order once it has started: the form's own choice, not
// the order's, kept by the opening's id. Each call keeps that opening's
// results equal to what the form shows.
class OrderSession {
public:
    // Puts an opening into the form and returns the problems met (see
    // OpeningCalculator::apply); the owner keeps its message box and
    // clipboard out of it.
    using Applier = std::function<std::vector<std::string>(const Opening&)>;
    // Told whenever the form has been given another opening, or the same
    // one anew, once the order's listeners have been told what changed.
    using ShownListener = std::function<void()>;

    // A session without a form.
    explicit OrderSession(OrderDocument& document);
    OrderSession(OrderDocument& document, const TForm1& form, Applier apply);

    const OrderDocument& document() const { return document_; }
    void setShownListener(ShownListener listener) { shownListener_ = std::move(listener); }

    // The form has started: it shows the current opening from now on.
    void formStarted();
    bool formShowsCurrent() const { return started_; }

    // The opening the form shows (the first one until another is chosen).
    std::size_t current() const;
    const Opening& currentOpening() const { return document_.opening(current()); }

    // The user acted on the form (`acted` the control, none for a start or
    // a focus change): the current opening takes what the form holds.
    // Returns whether the order changed.
    bool formActed(std::optional<Field> acted);
    // Another opening becomes current and is shown in the form.
    ActionResult switchTo(std::size_t index);

    ActionResult setTitle(std::string title);
    ActionResult setLocation(std::size_t index, std::string location);
    // The count as the user typed it.
    ActionResult setCount(std::size_t index, std::string_view text);
    // A discount on the whole order; none, or 0 %, takes it off.
    ActionResult setDiscount(std::optional<Percent> discount);
    // The installation price of the current opening; none: the firm's price.
    ActionResult setInstallationPrice(std::optional<Money> price);
    // A quantity of the current opening; 0 takes the accessory off.
    ActionResult setAccessoryQuantity(const std::string& article, int quantity);
    ActionResult setAccessoryQuantity(const std::string& article, std::string_view text);
    // A blank opening after the last one; the form shows it.
    ActionResult addOpening();
    // A copy of the current opening, just after it; the form shows it.
    ActionResult copyOpening();
    // Removes the current opening; the form shows the one after it (or the
    // new last one). The only opening is never removed.
    ActionResult removeOpening();
    // Openings brought in from elsewhere (a spreadsheet) go after the last
    // one, the form showing the first of them; a lone blank opening, never
    // changed, gives way to them.
    ActionResult appendOpenings(std::vector<Opening> openings);
    // Moves an opening to another place; the form keeps showing its own.
    ActionResult moveOpening(std::size_t from, std::size_t to);
    // An opening as it was changed elsewhere (another device, a file merged
    // in), in place of the one with that id; the form shows it at once if it
    // is the one it shows.
    ActionResult replaceOpening(const std::string& id, Opening opening);
    // An opening made elsewhere, put at `at` (at most the count of openings);
    // the form keeps showing its own.
    ActionResult insertOpening(std::size_t at, Opening opening);
    // The opening with that id, deleted elsewhere; if the form showed it, it
    // shows the one after it (or the new last one). The only opening is
    // never removed: an order always has one to show.
    ActionResult removeOpening(const std::string& id);
    // The firm's server's id for an opening made here (`id` is the
    // document's). It names the opening rather than changing what it holds:
    // nobody is told, and the form is left alone.
    void identify(const std::string& id, std::string serverId);
    // A whole order in place of the one there (New, Open, a restore);
    // `unsaved` when no file holds it. The form shows its first opening.
    void replaceOrder(Order order, bool unsaved);
    // The order was saved as it stands.
    void markSaved();

private:
    // The current opening's results are those the form shows, with the
    // problems putting it there met.
    void readCurrentResults();
    // Makes the opening at `index` the form's and puts it there.
    void show(std::size_t index);
    void showCurrentInForm();
    ActionResult finish(ActionResult result);
    std::optional<std::size_t> checkedIndex(std::size_t index) const;
    // Why an opening from elsewhere cannot be taken; none when it can.
    static std::optional<std::string> openingRefusal(const Opening& opening);

    OrderDocument& document_;
    const TForm1* form_ = nullptr;
    Applier apply_;
    ShownListener shownListener_;
    bool started_ = false;
    // The opening the form shows, and where it stood when last looked up.
    std::string currentId_;
    mutable std::size_t currentIndex_ = 0;
    bool shownAnew_ = false;
    // What putting the current opening into the form met (a refused input);
    // it holds until the user changes the form.
    std::vector<std::string> applyProblems_;
};

} // namespace kavro
