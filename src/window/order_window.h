// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "autosave.h"
#include "core/order/order_document.h"
#include "core/order/order_session.h"
#include "document_dialogs.h"
#include "main_window.h"
#include "openings_dock.h"
#include "order_actions.h"
#include "order_exports.h"
#include "quotation_papers.h"
#include "recent_files.h"
#include "report_printing.h"

#include <QMainWindow>
#include <QSettings>
#include <QTimer>
#include <filesystem>
#include <memory>

namespace kavro::window {

// What tests put in place of the desktop around the document window.
struct OrderWindowSeams {
    WindowSeams form;
    ReportPrintingSeams printing;
    DocumentDialogs dialogs; // none: the desktop's dialogs
    QString settingsFile;    // none: the user's settings
    QString autosaveFolder;  // none: Autosave::defaultFolder()
    int autosaveMilliseconds = 30'000;
    std::filesystem::path firmFile;   // none: the user's own (userFirmFilePath)
    std::filesystem::path pricesFile; // none: the user's own (userPriceListPath)
};

// The program's window: the calculator form in the middle, unchanged, with
// the menus above it and the list of the order's openings beside it. The
// form always shows the current opening of the order; the order is saved
// to and opened from .kavro files, and unsaved work is kept by autosave.
// Every change of the order goes through the session; the window and its
// list show what the order tells them changed.
class OrderWindow : public QMainWindow, private OrderListener {
public:
    explicit OrderWindow(OrderWindowSeams seams = {});
    ~OrderWindow() override;

    MainWindow& form() { return *form_; }
    const OrderDocument& document() const { return document_; }
    OrderSession& session() { return session_; }
    QuotationPapers& quotation() { return quotation_; }
    OpeningsDock& dock() { return *dock_; }
    const OrderActions& actions() const { return actions_; }
    QString currentFile() const { return currentFile_; }
    Autosave& autosave() { return autosave_; }

    // Opens the order in `path` without asking about unsaved work (the
    // command line's file). Returns whether it was opened.
    bool openFile(const QString& path);
    // Offers, one by one, the work of windows that ended without closing,
    // at the start, before anything is entered; returns whether one was
    // restored.
    bool offerRestore();
    // Writes the unsaved work to the autosave file now, or removes that
    // file when nothing is unsaved.
    void autosaveNow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectActions();
    void addPrintActions();
    void wireExports();
    void wireQuotation();
    void importOpenings();
    void wireForm();
    void wireDock();

    void newOrder();
    void openChosen();
    void openRecent(const QString& path);
    bool save();
    bool saveAs();
    bool saveTo(const QString& path);
    bool maybeSave();
    void showOrder(Order order, const QString& file, bool modified);
    void setCurrentFile(const QString& path);
    void updateTitle();
    void refreshRecentMenu();
    void showError(const QString& text);

    void orderChanged(const std::vector<OrderChange>& changes) override;
    void switchTo(std::size_t index);
    void moveOpening(int from, int to);
    void editTitle();
    void showAbout();
    void editFirm();

    DocumentDialogs dialogs_;
    std::unique_ptr<QSettings> settings_;
    RecentFiles recent_;
    Autosave autosave_;
    // Before the form and the exports, which type the letterhead from it.
    std::filesystem::path firmFile_;
    FirmDetails firm_;
    OrderDocument document_;
    MainWindow* form_;
    // What happens to the order after the user's actions; the window shows it.
    OrderSession session_;
    OpeningsDock* dock_;
    OrderActions actions_;
    OrderExports exports_;
    ReportPrinting printing_;
    QuotationPapers quotation_;
    QTimer autosaveTimer_;
    QString currentFile_;
    // The order's revision that the autosave file holds.
    std::uint64_t autosavedRevision_ = 0;
};

} // namespace kavro::window
