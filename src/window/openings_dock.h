// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/order/opening_rows.h"
#include "core/order/order_session.h"
#include "opening_list_model.h"
#include "opening_table.h"

#include <QDockWidget>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QTableWidget;

namespace kavro::window {

// The list of openings beside the form: the table of the order's openings,
// and below it the accessories of the current one, each with its quantity,
// and the current opening's problems in words.
//
// It shows the order as the order tells it changed, and the opening the
// form shows as the session tells it (showShown).
class OpeningsDock : public QDockWidget, private OrderListener {
public:
    OpeningsDock(OrderSession& session, QWidget* parent);
    ~OpeningsDock() override;

    OpeningTable* table() const { return table_; }
    OpeningListModel* model() const { return model_; }
    QTableWidget* accessories() const { return accessories_; }
    QLabel* problems() const { return problems_; }

    // The user chose another row.
    std::function<void(std::size_t row)> rowChosen;
    // The user set an accessory's quantity for the current opening.
    std::function<void(const std::string& article, int quantity)> quantitySet;

    // The form was given another opening, or the same one anew: its row,
    // its accessories and problems.
    void showShown();
    // Shows which row is current, without reporting it as the user's choice.
    void showCurrent();

private:
    void orderChanged(const std::vector<OrderChange>& changes) override;
    // Shows the openings anew after openings came or went. Rows the view
    // makes current on its own meanwhile (an editor closing gives the focus
    // back to the table, which then takes its first row) are not the user's.
    void reload();
    // Shows the current opening's accessories and problems.
    void showDetails();
    // Shows the order's title above the table (customer or address).
    void showTitle(const std::string& title);

    // One row of the accessories table: what it shows and the quantity its
    // editor holds.
    using AccessoryRow = OpeningAccessoryRow;
    void addAccessoryRow(const AccessoryRow& row);

    const OrderSession& session_;
    const OrderDocument& document_;
    OpeningListModel* model_;
    OpeningTable* table_;
    QTableWidget* accessories_;
    // What the table shows now, so that a keystroke in the form that leaves
    // the accessories as they were does not rebuild their editors.
    std::vector<AccessoryRow> shownAccessories_;
    QLabel* problems_;
    QLabel* title_;
    bool reloading_ = false;
};

} // namespace kavro::window
