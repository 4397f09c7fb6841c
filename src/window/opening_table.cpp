// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "opening_table.h"

#include "opening_list_model.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>

namespace kavro::window {

OpeningTable::OpeningTable(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("Openings"));
    setAccessibleName(QStringLiteral("Проёмы"));
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    // Not InternalMove: that takes only drags it can tell come from this
    // very view; the row's own data type tells it here.
    setDragDropMode(DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setStretchLastSection(true);
    setWordWrap(false);
}

void OpeningTable::keyPressEvent(QKeyEvent* event) {
    const int row = currentIndex().row();
    if (event->modifiers() == Qt::ControlModifier && row >= 0 &&
        (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        const int to = row + (event->key() == Qt::Key_Up ? -1 : 1);
        if (to >= 0 && to < model()->rowCount() && moveRequested)
            moveRequested(row, to);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

// The model does not take rows out and in again: the order moves the
// opening, and the drag ends as ignored, so that the view removes nothing.
void OpeningTable::dropEvent(QDropEvent* event) {
    const int from = OpeningListModel::draggedRow(event->mimeData());
    if (from < 0) {
        event->ignore();
        return;
    }
    int to = indexAt(event->position().toPoint()).row();
    if (to < 0)
        to = model()->rowCount() - 1;
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (from != to && moveRequested)
        moveRequested(from, to);
}

} // namespace kavro::window
