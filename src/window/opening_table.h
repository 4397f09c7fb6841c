// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTableView>
#include <functional>

namespace kavro::window {

// The table of openings. A row dragged onto another, or moved with
// Ctrl+Up and Ctrl+Down, asks to be moved there; the order decides.
class OpeningTable : public QTableView {
public:
    explicit OpeningTable(QWidget* parent = nullptr);

    // Asks to move the opening in row `from` to row `to`.
    std::function<void(int from, int to)> moveRequested;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

} // namespace kavro::window
