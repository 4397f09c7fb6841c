// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// kavro-make-letterhead: writes the example report template, a plain
// letterhead that the installer overwrites with their own firm's. It is
// typed through the same word processor that types the report, so the
// program always reads it; the report goes on in its last, empty paragraph.
//
// Usage: kavro-make-letterhead OUTPUT.docx
#include "core/platform/word_processor.h"
#include "report/docx_word_processor.h"
#include "report/file_destination.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: kavro-make-letterhead OUTPUT.docx\n";
        return 2;
    }
    try {
        kavro::FileDestination destination(argv[1]);
        // No template: the letterhead starts from a blank document.
        kavro::DocxWordProcessor word({}, destination);
        word.addDocument();
        word.setAlignment(kavro::Alignment::Center);
        word.setBold(true);
        word.setFontSize(16);
        word.typeText("НАЗВАНИЕ ОРГАНИЗАЦИИ\n");
        word.setBold(false);
        word.setFontSize(10);
        word.typeText("Адрес · телефон · электронная почта · сайт\n");
        word.typeText("________________________________________________________________\n");
        word.typeText("\n");
        word.handOver();
    } catch (const std::exception& e) {
        std::cerr << "kavro-make-letterhead: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
