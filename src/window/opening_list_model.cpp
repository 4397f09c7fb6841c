// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "opening_list_model.h"

#include "qt_text.h"

#include <QMimeData>

namespace kavro::window {

const QString OpeningListModel::kRowMimeType = QStringLiteral("application/x-kavro-opening-row");

OpeningListModel::OpeningListModel(OrderSession& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session), document_(session.document()) {}

int OpeningListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(document_.size());
}

int OpeningListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OpeningListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const Opening& opening = document_.opening(row);
    // Only the drive and the torque need the opening worked out.
    switch (index.column()) {
    case Number:
        return index.row() + 1;
    case Location:
        return toQString(opening.location);
    case Count:
        return opening.count;
    case Size:
        return toQString(openingSizeText(opening));
    case Drive:
        return toQString(openingRow(document_, row).drive);
    case Torque:
        return toQString(openingRow(document_, row).torque);
    default:
        return {};
    }
}

QVariant OpeningListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < 0 || section >= ColumnCount)
        return {};
    const std::string_view caption = kOpeningColumnCaptions[static_cast<std::size_t>(section)];
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

Qt::ItemFlags OpeningListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index) | Qt::ItemIsDropEnabled;
    if (!index.isValid())
        return flags;
    flags |= Qt::ItemIsDragEnabled;
    if (index.column() == Location || index.column() == Count)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool OpeningListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    // The order tells the list what changed; the row is shown anew from it.
    const auto row = static_cast<std::size_t>(index.row());
    ActionResult result = ActionResult::refused({});
    if (index.column() == Location)
        result = session_.setLocation(row, toUtf8(value.toString()));
    else if (index.column() == Count)
        result = session_.setCount(row, toUtf8(value.toString()));
    return result.kind == ActionResult::Kind::Done;
}

QMimeData* OpeningListModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(kRowMimeType, QByteArray::number(indexes.first().row()));
    return data;
}

int OpeningListModel::draggedRow(const QMimeData* data) {
    if (!data || !data->hasFormat(kRowMimeType))
        return -1;
    bool number = false;
    const int row = data->data(kRowMimeType).toInt(&number);
    return number ? row : -1;
}

void OpeningListModel::reload() {
    beginResetModel();
    endResetModel();
}

void OpeningListModel::rowChanged(std::size_t row) {
    rowsChanged(row, row);
}

void OpeningListModel::rowsChanged(std::size_t first, std::size_t last) {
    emit dataChanged(index(static_cast<int>(first), 0),
                     index(static_cast<int>(last), ColumnCount - 1));
}

} // namespace kavro::window
