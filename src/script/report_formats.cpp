// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_formats.h"

#ifdef KAVRO_HAS_DOCX
#include "report/docx_launcher.h"
#include "report/file_destination.h"
#endif

#ifdef KAVRO_HAS_PRINT
#include "print/headless_gui.h"
#include "print/pdf_file_destination.h"
#include "print/text_document_launcher.h"
#endif

namespace kavro {

#ifdef KAVRO_HAS_PRINT
struct ReportFormats::Pdf {
    // Declared first: it outlives the documents made below.
    print::HeadlessGui gui;
    print::PdfFileDestination file;
    print::TextDocumentLauncher launcher{file};
};
#else
struct ReportFormats::Pdf {};
#endif

#ifdef KAVRO_HAS_DOCX
struct ReportFormats::Docx {
    FileDestination file;
    DocxLauncher launcher{reportTemplatePath(), file};
};

ReportFormats::ReportFormats() : docx_(std::make_unique<Docx>()), chosen_(&docx_->launcher) {}
#else
struct ReportFormats::Docx {};

ReportFormats::ReportFormats() = default;
#endif

ReportFormats::~ReportFormats() = default;

bool ReportFormats::chooseDocx([[maybe_unused]] const std::filesystem::path& file) {
#ifdef KAVRO_HAS_DOCX
    docx_->file.setFile(file);
    chosen_ = &docx_->launcher;
    return true;
#else
    return false;
#endif
}

bool ReportFormats::choosePdf([[maybe_unused]] const std::filesystem::path& file) {
#ifdef KAVRO_HAS_PRINT
    if (!pdf_)
        pdf_ = std::make_unique<Pdf>();
    if (!pdf_->gui.ensure())
        return false;
    pdf_->file.setFile(file);
    chosen_ = &pdf_->launcher;
    return true;
#else
    return false;
#endif
}

std::unique_ptr<WordProcessor> ReportFormats::launch() {
    return chosen_ ? chosen_->launch() : nullptr;
}

} // namespace kavro
