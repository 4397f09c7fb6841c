// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../firm/firm_details.h"
#include "../platform/word_processor.h"
#include "../quote/quotation.h"

#include <string_view>

namespace kavro {

// Types the quotation into `word`, from opening the document to handing it
// over: the firm's letterhead (as every report), the heading with `number`
// and `date` (as given, so that the caller decides their form), the
// customer, the table of the lines with the totals below them, the amount
// due in words and, when a price is missing, the sentence that names the
// articles without one. The Word document, the printed page and the PDF
// are all typed by this one function.
// Throws WordProcessorError or ReportNotDelivered as the order report does.
void typeQuotation(const Quotation& quotation, std::string_view number, std::string_view date,
                   WordProcessor& word, const FirmDetails* firm = nullptr);

// The quotation's number, made from the moment it is written: «261207-1530»
// (year, month, day, hour, minute). A firm that writes a few quotations a
// day gets a different number for each without a counter to keep.
std::string quotationNumber(int year, int month, int day, int hour, int minute);

} // namespace kavro
