// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/order/opening_rows.h"
#include "core/order/order_session.h"

#include <QAbstractTableModel>

namespace kavro::window {

// The order's openings as a table: number, location, count, size, the drive
// in effect and the required torque. The location and the count are edited
// in place; a row dragged onto another moves there.
class OpeningListModel : public QAbstractTableModel {
public:
    enum Column {
        Number = OpeningRow::Number,
        Location = OpeningRow::Location,
        Count = OpeningRow::Count,
        Size = OpeningRow::Size,
        Drive = OpeningRow::Drive,
        Torque = OpeningRow::Torque,
        ColumnCount = OpeningRow::ColumnCount
    };
    static const QString kRowMimeType;

    // Edits in place go through `session`.
    OpeningListModel(OrderSession& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override { return {kRowMimeType}; }
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    // The dragged row is taken out of the data; the model moves it itself.
    static int draggedRow(const QMimeData* data);

    // The document changed as a whole (New, Open, rows added or removed).
    void reload();
    // One opening changed in place.
    void rowChanged(std::size_t row);
    // The rows of a moved opening and of those between.
    void rowsChanged(std::size_t first, std::size_t last);

private:
    OrderSession& session_;
    const OrderDocument& document_;
};

} // namespace kavro::window
