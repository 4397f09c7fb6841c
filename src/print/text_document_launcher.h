// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/word_processor.h"
#include "printable_destination.h"

namespace kavro::print {

// Starts a TextDocumentWordProcessor for each report, handing the finished
// document to a destination. Hand it to Services::wordProcessor.
class TextDocumentLauncher : public WordProcessorLauncher {
public:
    explicit TextDocumentLauncher(PrintableDestination& destination) : destination_(destination) {}

    std::unique_ptr<WordProcessor> launch() override;

private:
    PrintableDestination& destination_;
};

} // namespace kavro::print
