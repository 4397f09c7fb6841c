// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_actions.h"

#include <QMenuBar>

namespace kavro::window {

namespace {

QAction* action(QMenu* menu, const QString& text, const char* name,
                const QKeySequence& shortcut = {}) {
    QAction* made = menu->addAction(text);
    made->setObjectName(QString::fromLatin1(name));
    made->setShortcut(shortcut);
    return made;
}

} // namespace

OrderActions::OrderActions(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    fileMenu = bar->addMenu(QStringLiteral("&Файл"));
    newOrder = action(fileMenu, QStringLiteral("&Новый"), "actionNew", QKeySequence::New);
    open = action(fileMenu, QStringLiteral("&Открыть…"), "actionOpen", QKeySequence::Open);
    recentMenu = fileMenu->addMenu(QStringLiteral("Недавние &файлы"));
    recentMenu->setObjectName(QStringLiteral("menuRecent"));
    save = action(fileMenu, QStringLiteral("&Сохранить"), "actionSave", QKeySequence::Save);
    saveAs = action(fileMenu, QStringLiteral("Сохранить &как…"), "actionSaveAs",
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    fileMenu->addSeparator();
    importCsv = action(fileMenu, QStringLiteral("&Импорт проёмов из CSV…"), "actionImportCsv");
    exportCsv = action(fileMenu, QStringLiteral("&Экспорт проёмов в CSV…"), "actionExportCsv");
    exportPartsCsv =
        action(fileMenu, QStringLiteral("Экспорт &ведомости в CSV…"), "actionExportPartsCsv");
    fileMenu->addSeparator();
    firmDetails = action(fileMenu, QStringLiteral("&Реквизиты организации…"), "actionFirmDetails");
    priceList = action(fileMenu, QStringLiteral("Прайс-&лист…"), "actionPriceList");
    printPlace = fileMenu->addSeparator();
    printForm = action(fileMenu, QStringLiteral("Печатная форма &Word"), "actionPrintForm");
    orderReport = action(fileMenu, QStringLiteral("О&тчёт по заказу (Word)…"), "actionOrderReport");
    fileMenu->addSeparator();
    quit = action(fileMenu, QStringLiteral("В&ыход"), "actionQuit",
                  QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);

    orderMenu = bar->addMenu(QStringLiteral("&Заказ"));
    // The list's own toggle action is added by the window, F9 on it.
    showList = nullptr;
    addOpening = action(orderMenu, QStringLiteral("Новый &проём"), "actionAddOpening");
    copyOpening = action(orderMenu, QStringLiteral("&Копия проёма"), "actionCopyOpening");
    removeOpening = action(orderMenu, QStringLiteral("&Удалить проём"), "actionRemoveOpening");
    orderMenu->addSeparator();
    orderTitle = action(orderMenu, QStringLiteral("&Название заказа…"), "actionOrderTitle");
    orderMenu->addSeparator();
    discount = action(orderMenu, QStringLiteral("С&кидка на заказ…"), "actionDiscount");
    installationPrice =
        action(orderMenu, QStringLiteral("Цена &монтажа проёма…"), "actionInstallationPrice");
    quotation = action(orderMenu, QStringLiteral("Коммерческое &предложение…"), "actionQuotation");
    quotationPdf =
        action(orderMenu, QStringLiteral("Коммерческое предложение в P&DF…"), "actionQuotationPdf");
    quotationDocx = action(orderMenu, QStringLiteral("Коммерческое предложение (&Word)…"),
                           "actionQuotationDocx");

    helpMenu = bar->addMenu(QStringLiteral("&Справка"));
    about = action(helpMenu, QStringLiteral("&О программе"), "actionAbout");
    about->setMenuRole(QAction::AboutRole);
}

} // namespace kavro::window
