// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/input/user_input.h"
#include "core/platform/recording_services.h"
#include "core/tform1.h"
#include "docx_reading.h"
#include "print/printable_destination.h"
#include "print/text_document_launcher.h"
#include "report/docx_launcher.h"
#include "report/file_destination.h"
#include "temp_folder.h"

#include <QTextDocument>
#include <memory>

namespace kavro::test {

// A printable document read back in the terms of the Word document's
// reader: paragraphs and tables in order, their text, bold, size and
// alignment, the column widths in twips; a table with borders is styled
// "grid".
Body readPrintable(const QTextDocument& document);

// A 60 mm shaft with the Fastlink strap and the crank: the longest accessory
// list, with names long enough to wrap in their cells.
void describeLongestShutter(UserInput& input);

// A started window whose report button types into either backend.
class BothReports {
public:
    BothReports();

    // The report as the Word document writes it.
    DocxFile docx();
    // The same report as the printable document.
    std::unique_ptr<QTextDocument> printable();

    TempFolder folder;
    RecordingServices recorders;
    TForm1 form;
    UserInput input;

private:
    FileDestination docxFile_;
    DocxLauncher docx_;
    print::KeptReport kept_;
    print::TextDocumentLauncher printable_;
};

} // namespace kavro::test
