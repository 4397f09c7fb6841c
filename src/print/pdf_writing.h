// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QTextDocument>

namespace kavro::print {

// The bytes of the PDF file of a printable report: A4 pages cut between
// lines and rows, the fonts embedded (the subsets used) with their Unicode
// maps, so that the Cyrillic text can be selected and extracted. Empty when
// it could not be made.
QByteArray pdfOf(const QTextDocument& report);

} // namespace kavro::print
