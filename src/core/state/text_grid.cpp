// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_grid.h"

#include <algorithm>

namespace kavro {

namespace {
const std::string kNoText;
}

TextGrid::TextGrid(Field id, const ChangeSink& sink, int columns, int rows, bool visible)
    : Control(id, sink), columns_(columns),
      cells_(static_cast<std::size_t>(rows), std::vector<std::string>(columns)), visible_(visible) {
}

bool TextGrid::hasCell(int column, int row) const {
    return column >= 0 && column < columns_ && row >= 0 && row < rowCount();
}

const std::string& TextGrid::cell(int column, int row) const {
    if (!hasCell(column, row))
        return kNoText;
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void TextGrid::setCell(int column, int row, std::string text) {
    if (!hasCell(column, row))
        return;
    std::string& slot = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    if (slot == text)
        return;
    slot = std::move(text);
    notify();
}

void TextGrid::clearDataRows() {
    for (int row = 1; row < rowCount(); ++row)
        for (int column = 0; column < columns_; ++column)
            setCell(column, row, "");
}

void TextGrid::setRowCount(int rows) {
    rows = std::max(rows, 1);
    if (rows == rowCount())
        return;
    cells_.resize(static_cast<std::size_t>(rows), std::vector<std::string>(columns_));
    // A grid with data rows keeps its current cell among them.
    currentRow_ = std::clamp(currentRow_, std::min(fixedRows_, rows - 1), rows - 1);
    notify();
}

void TextGrid::setFixedRows(int rows) {
    if (fixedRows_ == rows)
        return;
    fixedRows_ = rows;
    notify();
}

void TextGrid::setCurrentColumn(int column) {
    if (currentColumn_ == column || column < 0 || column >= columns_)
        return;
    currentColumn_ = column;
    notify();
}

void TextGrid::setCurrentRow(int row) {
    if (currentRow_ == row || row < 0 || row >= rowCount())
        return;
    currentRow_ = row;
    notify();
}

void TextGrid::setVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    notify();
}

} // namespace kavro
