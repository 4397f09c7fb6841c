// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_document_launcher.h"

#include "text_document_word_processor.h"

namespace kavro::print {

std::unique_ptr<WordProcessor> TextDocumentLauncher::launch() {
    return std::make_unique<TextDocumentWordProcessor>(destination_);
}

} // namespace kavro::print
