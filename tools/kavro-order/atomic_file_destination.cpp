// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "atomic_file_destination.h"

#include "core/platform/word_processor.h"
#include "orderio/atomic_file.h"

namespace kavro::cli {

void AtomicFileDestination::deliver(const std::string& docx) {
    if (const std::error_code error = writeFileAtomically(file_, docx))
        throw ReportNotDelivered(writeFailureMessage(error));
}

} // namespace kavro::cli
