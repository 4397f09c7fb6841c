// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdf_file_destination.h"

#include "core/platform/atomic_file.h"
#include "core/platform/word_processor.h"
#include "pdf_writing.h"
#include "report/delivery_messages.h"

#include <string_view>

namespace kavro::print {

void PdfFileDestination::deliver(std::unique_ptr<QTextDocument> report) {
    const QByteArray pdf = report ? pdfOf(*report) : QByteArray();
    if (pdf.isEmpty())
        throw ReportNotDelivered(reportNotBuiltMessage());
    const std::string_view bytes(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    if (const std::error_code error = writeFileAtomically(file_, bytes))
        throw ReportNotDelivered(reportNotWrittenMessage(file_, error));
}

} // namespace kavro::print
