// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/firm/firm_details.h"
#include "core/order/opening_results.h"
#include "core/order/order.h"
#include "core/platform/word_processor.h"

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kavro::cli {

// The order report could not be made or written; what() says why.
class OrderDocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the order report to `file`, in the kind of document its extension
// names. Throws OrderDocumentError.
// With `firm` the report is headed by its letterhead.
using OrderDocumentWriter = void (*)(const Order& order, const std::vector<OpeningResults>& results,
                                     const FirmDetails* firm, const std::filesystem::path& file);

// The writer for `file`'s extension (compared without regard to case);
// nullptr when no kind of document has it. Every kind of report document is
// listed in this one place.
OrderDocumentWriter documentWriterFor(const std::filesystem::path& file);

// The extensions there are writers for, for a message: ".docx".
std::string documentExtensions();

// The Word document (.docx) through the report's word processor.
void writeDocxReport(const Order& order, const std::vector<OpeningResults>& results,
                     const FirmDetails* firm, const std::filesystem::path& file);

// The same report as a PDF, through the program's own printable document on
// Qt's offscreen platform: no word processor and no display needed.
void writePdfReport(const Order& order, const std::vector<OpeningResults>& results,
                    const FirmDetails* firm, const std::filesystem::path& file);

// Types a whole document, from opening it to handing it over.
using DocumentTyping = std::function<void(WordProcessor&)>;

// Any document typed through the word processor interface, as a Word
// document or as a PDF (the same words either way). Throw
// OrderDocumentError.
void writeDocxTyped(const DocumentTyping& type, const std::filesystem::path& file);
void writePdfTyped(const DocumentTyping& type, const std::filesystem::path& file);

} // namespace kavro::cli
