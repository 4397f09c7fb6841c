// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"

#include <string>
#include <vector>

namespace kavro {

// A grid of texts. Row 0 is the fixed header row; the current cell never
// lies outside the grid's rows.
class TextGrid : public Control {
public:
    TextGrid(Field id, const ChangeSink& sink, int columns, int rows, bool visible);

    int columnCount() const { return columns_; }
    int rowCount() const { return static_cast<int>(cells_.size()); }
    int fixedRows() const { return fixedRows_; }
    bool visible() const { return visible_; }
    int currentColumn() const { return currentColumn_; }
    int currentRow() const { return currentRow_; }

    // The text of cell (column, row); the empty text outside the grid.
    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);
    bool hasCell(int column, int row) const;
    // Empties every cell below the header row.
    void clearDataRows();

    // Rows beyond the new count are dropped, new rows are empty.
    void setRowCount(int rows);
    void setFixedRows(int rows);
    void setCurrentColumn(int column);
    void setCurrentRow(int row);
    void setVisible(bool visible);

    const std::vector<std::vector<std::string>>& rows() const { return cells_; }

private:
    int columns_;
    int fixedRows_ = 1;
    std::vector<std::vector<std::string>> cells_;
    int currentColumn_ = 0;
    int currentRow_ = 1;
    bool visible_;
};

} // namespace kavro
