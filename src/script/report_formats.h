// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/word_processor.h"

#include <filesystem>
#include <memory>

namespace kavro {

// The driver's report button: the report goes to a named file, as a Word
// document for `report` or as a PDF for `pdf`, typed by the same calls.
class ReportFormats : public WordProcessorLauncher {
public:
    ReportFormats();
    ~ReportFormats() override;
    ReportFormats(const ReportFormats&) = delete;
    ReportFormats& operator=(const ReportFormats&) = delete;

    // False when this program was built without the Word document.
    bool chooseDocx(const std::filesystem::path& file);
    // False when this program was built without the printable document.
    bool choosePdf(const std::filesystem::path& file);

    std::unique_ptr<WordProcessor> launch() override;

private:
    // The Word document side, where it is built (not in the browser's).
    struct Docx;
    // The PDF side and the GUI application it needs, made on first use.
    struct Pdf;

    std::unique_ptr<Docx> docx_;
    std::unique_ptr<Pdf> pdf_;
    WordProcessorLauncher* chosen_ = nullptr;
};

} // namespace kavro
