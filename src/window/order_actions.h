// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>

namespace kavro::window {

// The document window's actions, built once and put into its menus: Файл,
// Заказ and Справка. The window connects them.
struct OrderActions {
    explicit OrderActions(QMainWindow* window);

    QMenu* fileMenu;
    QMenu* recentMenu;
    QMenu* orderMenu;
    QMenu* helpMenu;

    QAction* newOrder;
    QAction* open;
    QAction* save;
    QAction* saveAs;
    QAction* importCsv;
    QAction* exportCsv;
    QAction* exportPartsCsv;
    QAction* firmDetails; // the letterhead's and the prices' firm
    QAction* priceList;   // the firm's prices, for the quotation
    QAction* printForm;   // the form's report button
    QAction* orderReport; // the whole order as a Word document
    QAction* quit;

    QAction* showList; // the dock's own toggle, with F9
    QAction* addOpening;
    QAction* copyOpening;
    QAction* removeOpening;
    QAction* orderTitle;
    QAction* discount;          // the order's, on the whole quotation
    QAction* installationPrice; // the current opening's own
    QAction* quotation;         // print preview
    QAction* quotationPdf;
    QAction* quotationDocx;

    QAction* about;

    // The separator before the form's report: printing goes there.
    QAction* printPlace;
};

} // namespace kavro::window
