// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/word_processor.h"

namespace kavro {

// Types the example report template "KavroBlank.docx", a plain letterhead
// that the installer replaces with their own firm's, into a blank document
// and hands it over. It is typed through the same word processor that types
// the report, so the program always reads it; the report goes on in its
// last, empty paragraph.
void typeExampleLetterhead(WordProcessor& word);

} // namespace kavro
