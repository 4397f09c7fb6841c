// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// kavro-make-letterhead: writes the example report template.
//
// Usage: kavro-make-letterhead OUTPUT.docx
#include "report/docx_word_processor.h"
#include "report/example_letterhead.h"
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
        kavro::DocxWordProcessor word(std::filesystem::path(), destination);
        kavro::typeExampleLetterhead(word);
    } catch (const std::exception& e) {
        std::cerr << "kavro-make-letterhead: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
