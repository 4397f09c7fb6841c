// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_destination.h"

#include "core/platform/atomic_file.h"
#include "core/platform/word_processor.h"
#include "delivery_messages.h"

namespace kavro {

void FileDestination::deliver(const std::string& docx) {
    if (const std::error_code error = writeFileAtomically(file_, docx))
        throw ReportNotDelivered(reportNotWrittenMessage(file_, error));
}

} // namespace kavro
