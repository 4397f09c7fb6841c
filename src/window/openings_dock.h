// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/order/opening_rows.h"
#include "core/order/order_document.h"
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
class OpeningsDock : public QDockWidget {
public:
    OpeningsDock(OrderDocument& document, QWidget* parent);

    OpeningTable* table() const { return table_; }
    OpeningListModel* model() const { return model_; }
    QTableWidget* accessories() const { return accessories_; }
    QLabel* problems() const { return problems_; }

    // The user chose another row.
    std::function<void(std::size_t row)> rowChosen;
    // The user set an accessory's quantity for the current opening.
    std::function<void(const std::string& article, int quantity)> quantitySet;

    // Shows the openings anew after openings came or went. Rows the view
    // makes current on its own meanwhile (an editor closing gives the focus
    // back to the table, which then takes its first row) are not the user's.
    void reload();
    // Shows which row is current, without reporting it as the user's choice.
    void showCurrent();
    // Shows the current opening's accessories and problems.
    void showDetails();
    // Shows the order's title above the table (customer or address).
    void showTitle(const std::string& title);

private:
    // One row of the accessories table: what it shows and the quantity its
    // editor holds.
    using AccessoryRow = OpeningAccessoryRow;
    void addAccessoryRow(const AccessoryRow& row);

    OrderDocument& document_;
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
