// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "field_grid.h"

#include "qt_text.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace kavro::window {

FieldGrid::FieldGrid(const std::vector<int>& columnWidths, bool highlightCurrent, QWidget* parent)
    : QTableWidget(0, static_cast<int>(columnWidths.size()), parent),
      highlightCurrent_(highlightCurrent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);

    QHeaderView* header = horizontalHeader();
    header->setFixedHeight(kRowHeight);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setHighlightSections(false);
    header->setSectionsClickable(true); // a press on the header row is a press on a cell
    header->setStretchLastSection(false);
    for (int c = 0; c < columnCount(); ++c) {
        setHorizontalHeaderItem(c, new QTableWidgetItem());
        header->resizeSection(c, columnWidths[static_cast<std::size_t>(c)]);
    }
    connect(header, &QHeaderView::sectionPressed, this,
            [this](int column) { emit cellPressed(column, 0); });
}

void FieldGrid::setText(QTableWidgetItem* item, const std::string& text) {
    const QString shown = toQString(text);
    if (item->text() != shown)
        item->setText(shown);
}

void FieldGrid::showRows(const std::vector<std::vector<std::string>>& rows) {
    const int dataRows = rows.empty() ? 0 : static_cast<int>(rows.size()) - 1;
    if (rowCount() != dataRows)
        setRowCount(dataRows);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto& cells = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < columnCount() && c < static_cast<int>(cells.size()); ++c) {
            const std::string& text = cells[static_cast<std::size_t>(c)];
            if (r == 0) {
                setText(horizontalHeaderItem(c), text);
                continue;
            }
            QTableWidgetItem* cell = item(r - 1, c);
            if (!cell) {
                cell = new QTableWidgetItem();
                cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                setItem(r - 1, c, cell);
            }
            setText(cell, text);
        }
    }
}

void FieldGrid::showCurrent(int column, int row) {
    const QModelIndex wanted = row >= 1 ? model()->index(row - 1, column) : QModelIndex();
    if (currentIndex() == wanted &&
        (!highlightCurrent_ || !wanted.isValid() || selectionModel()->isSelected(wanted)))
        return;
    const auto command =
        highlightCurrent_ ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Clear;
    selectionModel()->setCurrentIndex(wanted, command);
}

QString FieldGrid::cellText(int column, int row) const {
    if (column < 0 || column >= columnCount() || row < 0 || row > rowCount())
        return {};
    const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    return cell ? cell->text() : QString();
}

QRect FieldGrid::cellRect(int column, int row) const {
    if (row == 0) {
        const QHeaderView* header = horizontalHeader();
        return QRect(header->sectionViewportPosition(column), 0, header->sectionSize(column),
                     header->height())
            .translated(header->pos());
    }
    return visualRect(model()->index(row - 1, column)).translated(viewport()->pos());
}

void FieldGrid::reportPress(const QPoint& viewportPosition) {
    const QModelIndex index = indexAt(viewportPosition);
    if (index.isValid())
        emit cellPressed(index.column(), index.row() + 1);
    else
        emit cellPressed(-1, -1);
}

// Every button counts, as does the second press of a double click; the
// grid's own selection handling is left out, so that the current cell is
// always the one the window state holds.
void FieldGrid::mousePressEvent(QMouseEvent* event) {
    reportPress(event->position().toPoint());
    event->accept();
}

void FieldGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    reportPress(event->position().toPoint());
    event->accept();
}

void FieldGrid::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void FieldGrid::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

// Keys do not move the current cell: it names the chosen drive.
QModelIndex FieldGrid::moveCursor(CursorAction, Qt::KeyboardModifiers) {
    return currentIndex();
}

} // namespace kavro::window
