// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists_area.h"

#include "field_grid.h"

#include <QPushButton>
#include <QTabWidget>

namespace kavro::window {

namespace {

const QRect kTabsPlace(347, 321, 537, 185);
// Inside the tab control.
const QRect kDrivesPlace(8, 32, 521, 145);
const QRect kAccessoriesPlace(8, 32, 526, 150);
const QRect kButtonPlace(731, 516, 145, 33);

// Column widths in pixels.
const std::vector<int> kDriveColumns = {61, 126, 53, 60, 68, 71, 69};
const std::vector<int> kAccessoryColumns = {61, 438};

constexpr int kTabCount = 2;

} // namespace

ListsArea::ListsArea(QWidget* window, const WindowFonts& fonts, FieldWidgets& widgets) {
    auto* tabs = new QTabWidget(window);
    tabs->setGeometry(kTabsPlace);
    tabs->setFont(fonts.standard);
    // The pages stay empty: both grids lie on the tab control itself, above
    // the pages, and the state decides which of them is visible.
    for (int i = 0; i < kTabCount; ++i)
        tabs->addTab(new QWidget(tabs), QString());
    widgets.add(Field::TabControl1, tabs);

    auto* drives = new FieldGrid(kDriveColumns, true, tabs);
    drives->setGeometry(kDrivesPlace);
    drives->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    drives->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    widgets.add(Field::Spisok, drives);

    auto* accessories = new FieldGrid(kAccessoryColumns, false, tabs);
    accessories->setGeometry(kAccessoriesPlace);
    accessories->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    accessories->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    widgets.add(Field::SpisokAcc, accessories);

    for (FieldGrid* grid : {drives, accessories}) {
        grid->setFont(fonts.standard);
        grid->raise();
    }

    auto* report = new QPushButton(window);
    report->setGeometry(kButtonPlace);
    report->setFont(fonts.standard);
    report->setAutoDefault(false);
    widgets.add(Field::Button1, report);
}

} // namespace kavro::window
