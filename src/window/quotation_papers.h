// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/firm/firm_details.h"
#include "core/order/order_session.h"
#include "core/platform/services.h"
#include "core/quote/quotation.h"
#include "document_dialogs.h"
#include "order_exports.h"
#include "report_printing.h"

#include <QWidget>
#include <filesystem>
#include <optional>
#include <string>

namespace kavro::window {

// The window's side of the quotation: the firm's price list, the order's
// discount and an opening's own installation price, and the quotation
// itself in the print preview, as a PDF and as a Word document, all typed
// by the one typing the command line uses. A failure is told in the
// message box and changes nothing.
class QuotationPapers {
public:
    // `pricesFile`: where the loaded list is kept (userPriceListPath()).
    QuotationPapers(QWidget* window, OrderSession& session, DocumentDialogs& dialogs,
                    MessageBox& messages, std::string programName, const FirmDetails& firm,
                    ReportPrinting& printing, OrderExports& exports,
                    std::filesystem::path pricesFile);

    // Файл → Прайс-лист…: a list the user chooses. A list with any fault
    // is refused whole, its faults told by row; a good one is copied beside
    // the firm's details and used from then on.
    void loadPriceList();
    // Заказ → Скидка на заказ… and Цена монтажа проёма… (of the opening
    // the form shows).
    void editDiscount();
    void editInstallationPrice();

    // Заказ → Коммерческое предложение…, … в PDF…, … (Word)…
    void preview();
    void exportPdf();
    void writeDocx();

    const Prices& prices() const { return prices_; }

private:
    // The quotation of the order as it stands; none after an overflow was
    // told.
    std::optional<Quotation> quotation();
    ReportPrinting::Typing typing(const Quotation& quotation) const;
    void tell(const QString& text);
    void tellRefusal(const ActionResult& result);

    QWidget* window_;
    OrderSession& session_;
    const OrderDocument& document_;
    DocumentDialogs& dialogs_;
    MessageBox& messages_;
    std::string programName_;
    const FirmDetails& firm_;
    ReportPrinting& printing_;
    OrderExports& exports_;
    std::filesystem::path pricesFile_;
    Prices prices_;
};

// The prices kept in `file`; none when there is no such file or it cannot
// be read (told on the terminal: the window starts all the same).
Prices savedPrices(const std::filesystem::path& file);

} // namespace kavro::window
