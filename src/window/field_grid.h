// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTableWidget>
#include <string>
#include <vector>

namespace kavro::window {

// A read-only text grid whose row 0 is its fixed header row, drawn as the
// table's header so that it stays in place while the rows scroll. Grid
// coordinates below are those of the window state: row 0 is the header, data
// rows start at 1. A mouse press is reported, not acted on; the current cell
// shown is the one set with showCurrent.
class FieldGrid : public QTableWidget {
    Q_OBJECT
public:
    // `columnWidths` in pixels; every row is kRowHeight pixels high.
    FieldGrid(const std::vector<int>& columnWidths, bool highlightCurrent,
              QWidget* parent = nullptr);

    static constexpr int kRowHeight = 24;

    // Shows `rows` (row 0 the header); cells that already read the same are
    // left alone.
    void showRows(const std::vector<std::vector<std::string>>& rows);
    void showCurrent(int column, int row);

    // The text shown in cell (column, row), empty outside the grid.
    QString cellText(int column, int row) const;
    // The cell's place in the grid's own coordinates.
    QRect cellRect(int column, int row) const;

signals:
    // A mouse button went down over cell (column, row), or over no cell at
    // all (-1, -1).
    void cellPressed(int column, int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void setText(QTableWidgetItem* item, const std::string& text);
    void reportPress(const QPoint& viewportPosition);

    bool highlightCurrent_;
};

} // namespace kavro::window
