// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists_area.h"

#include "core/form/window_layout.h"
#include "field_grid.h"
#include "form_geometry.h"

#include <QPushButton>
#include <QTabWidget>

namespace kavro::window {

namespace {

std::vector<int> widths(std::span<const int> columns) {
    return {columns.begin(), columns.end()};
}

constexpr int kTabCount = 2;

} // namespace

ListsArea::ListsArea(QWidget* window, const WindowFonts& fonts, FieldWidgets& widgets) {
    auto* tabs = new QTabWidget(window);
    tabs->setGeometry(toQRect(form::kTabsPlace));
    tabs->setFont(fonts.standard);
    // The pages stay empty: both grids lie on the tab control itself, above
    // the pages, and the state decides which of them is visible.
    for (int i = 0; i < kTabCount; ++i)
        tabs->addTab(new QWidget(tabs), QString());
    widgets.add(Field::TabControl1, tabs);

    auto* drives = new FieldGrid(widths(form::driveColumns()), true, tabs);
    drives->setGeometry(toQRect(form::kDrivesPlace));
    drives->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    drives->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    widgets.add(Field::Spisok, drives);

    auto* accessories = new FieldGrid(widths(form::accessoryColumns()), false, tabs);
    accessories->setGeometry(toQRect(form::kAccessoriesPlace));
    accessories->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    accessories->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    widgets.add(Field::SpisokAcc, accessories);

    for (FieldGrid* grid : {drives, accessories}) {
        grid->setFont(fonts.standard);
        grid->raise();
    }

    auto* report = new QPushButton(window);
    report->setGeometry(toQRect(form::kButtonPlace));
    report->setFont(fonts.standard);
    report->setAutoDefault(false);
    widgets.add(Field::Button1, report);
}

} // namespace kavro::window
