// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/firm/firm_details.h"
#include "core/order/order_document.h"
#include "core/platform/services.h"
#include "core/platform/word_processor.h"
#include "document_dialogs.h"
#include "orderio/sheet_table.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kavro::window {

// The order's spreadsheets and its Word report, read from and written to
// the files the user chooses. Every file is written whole or not at all; a
// failure is told in the message box with the file's name and the reason,
// and changes nothing.
class OrderExports {
public:
    // `firm`'s letterhead heads the order report.
    OrderExports(QWidget* window, const OrderDocument& document, DocumentDialogs& dialogs,
                 MessageBox& messages, std::string programName, const FirmDetails& firm);

    // The openings of a spreadsheet the user chooses; none when cancelled
    // or when the spreadsheet has faults (each told by row and column).
    std::optional<std::vector<Opening>> importOpenings();
    void exportOpenings();
    void exportPartsList();
    void writeOrderReport();
    // Any document typed by `typing`, as a Word document the user names,
    // starting from `name`.
    void writeWordDocument(const QString& caption, const QString& name,
                           const std::function<void(WordProcessor&)>& typing);
    // Types the order report of the order as it stands, dated today, into
    // any word processor: the Word document above, the print preview, the
    // PDF.
    void typeOrderReport(WordProcessor& word) const;

private:
    QString chooseTarget(const QString& caption, const QString& name, const QString& filter);
    void write(const QString& path, const std::string& bytes);
    // CSV or a workbook, as the chosen name ends.
    void writeTable(const QString& path, const SheetTable& table);
    void tell(const QString& text);

    QWidget* window_;
    const OrderDocument& document_;
    DocumentDialogs& dialogs_;
    MessageBox& messages_;
    std::string programName_;
    const FirmDetails& firm_;
};

} // namespace kavro::window
