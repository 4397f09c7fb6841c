// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calculator.h"
#include "core/order/order_document.h"
#include "core/order/order_session.h"
#include "file_answer.h"
#include "page_quotation.h"

#include <cstddef>
#include <functional>
#include <string>

namespace kavro {

// The calculator form with an order behind it, for the page: the form's
// actions as Calculator's, each answer also telling what changed in the
// order; the list, the accessories, the files and the order report. It only
// forwards to OrderSession and the order files, and reports what they said
// and what the order told it changed.
class OrderCalculator : public Calculator, private OrderListener {
public:
    OrderCalculator();
    ~OrderCalculator() override;

    // The form starts and shows the current opening.
    std::string start();

    std::string orderState();
    // Grows with every change of the order, whoever made it: the page
    // tells by it whether storage holds the order as it is now, without
    // asking the core for the whole order file.
    double revision() const { return static_cast<double>(document_.revision()); }
    std::string columns() const;
    std::string rows(double first, double count) const;

    std::string choose(double index);
    std::string add();
    std::string copy();
    std::string remove();
    std::string move(double from, double to);
    std::string moveUp();
    std::string moveDown();
    std::string setLocation(double index, const std::string& text);
    // The count and the quantity as the user typed them.
    std::string setCount(double index, const std::string& text);
    std::string setTitle(const std::string& text);
    std::string setQuantity(const std::string& article, const std::string& text);
    // The opening with that id as it was changed elsewhere (another device,
    // a file merged in): `bytes` is an order file holding that one opening.
    // The answer goes to the news listener too, since whoever brought the
    // change is not the page that shows it.
    std::string replaceOpening(const std::string& id, const std::string& bytes);
    // Told every change of the order that no control of the page made, as
    // the answer of a page action would tell it.
    void setNewsListener(std::function<void(const std::string&)> listener);
    // Runs `change`, which changes the order through the session on behalf
    // of someone other than the page (the firm's server), and answers as a
    // page action does; the news listener hears it when the order changed.
    std::string changeFromElsewhere(const std::function<void(OrderSession&)>& change);
    OrderSession& session() { return session_; }

    std::string newOrder();
    std::string openOrder(const std::string& name, const std::string& bytes, bool unsaved);
    std::string importOpenings(const std::string& name, const std::string& bytes);
    std::string markSaved();
    // The openings of an order file appended, as an import appends them
    // (a workbook's, which the papers' module read).
    std::string appendOpenings(const std::string& bytes);

    FileAnswer saveOrder() const;
    FileAnswer exportOpenings() const;
    FileAnswer exportPartsList() const;

    std::string partsList() const;
    // The openings and the parts list as the tables a workbook is written
    // from (sheet_table_json.h).
    std::string openingsSheet() const;
    std::string partsListSheet() const;
    // The order report: its printable page ("report") and how it was typed
    // ("typing"), which the papers' module types again as a Word document.
    std::string orderReport(const std::string& date) const;

    // The firm's price list as the program keeps it (see PageQuotation).
    std::string setPrices(const std::string& kept);
    // The order's discount and the current opening's own installation
    // price as the user types them; empty for none (the firm's price).
    std::string setDiscount(const std::string& text);
    std::string setInstallationPrice(const std::string& text);
    std::string quotation() const;
    FileAnswer quotationCsv() const;

protected:
    void acted(std::optional<Field> field) override;
    void describe(Json& answer) override;

private:
    void orderChanged(const std::vector<OrderChange>& changes) override;
    // Runs one order action that may show another opening in the form.
    template <class Action> std::string orderAct(Action&& action);
    Json orderChange(bool reload) const;

    OrderDocument document_;
    OrderSession session_;
    PageQuotation quotation_;
    // The rows the action changed in place, and the one the form shows anew.
    std::vector<std::size_t> changedRows_;
    // Openings came, went or moved: the page shows the list anew.
    bool reload_ = false;
    bool starting_ = false;
    bool orderAction_ = false;
    std::function<void(const std::string&)> news_;
};

} // namespace kavro
