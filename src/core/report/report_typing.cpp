// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "../platform/word_processor.h"
#include "../tform1.h"
#include "calculation_report.h"

namespace kavro {

namespace {

// Types the report of one window into a word processor. It holds the window
// read-only: the report changes nothing of the state it describes.
void typeReport(const WindowState& window, int selectedRow, const FirmDetails* firm,
                WordProcessor& word) {
    report_typing::openDocument(word, firm);
    report_typing::title(word);
    report_typing::calculation(word, reportedWindow(window, selectedRow));
    word.handOver();
}

} // namespace

// Types the printable report of the window and the chosen drive into a word
// processor and leaves the document to the user. A word processor that is
// missing or refuses a call ends the report silently; only a finished report
// that cannot be handed over is shown to the user.
void TForm1::Button1Click() {
    traced("Button1Click");
    WordProcessorLauncher* launcher = services_.wordProcessor;
    if (!launcher)
        return;
    try {
        const std::unique_ptr<WordProcessor> word = launcher->launch();
        if (word)
            typeReport(*this, VybrannayaStroka, services_.firm, *word);
    } catch (const ReportNotDelivered&) {
        throw;
    } catch (const std::exception&) {
        // The report ends where the word processor refused.
    }
}

} // namespace kavro
