// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The papers' module as the page's JavaScript sees it: the writers the
// calculator does not need to show its first results, loaded after them.
#include "file_answer_js.h"
#include "firm_archive.h"
#include "sheet_papers.h"
#include "word_documents.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace {

using emscripten::val;

val wordDocument(const std::string& typing, const std::string& templateBytes) {
    return kavro::fileAnswerValue(kavro::wordDocument(typing, templateBytes));
}

val exampleLetterhead() {
    return kavro::fileAnswerValue({kavro::exampleLetterhead(), {}});
}

val workbookFile(const std::string& sheet) {
    return kavro::fileAnswerValue(kavro::workbookFile(sheet));
}

val firmArchive(const std::string& firmJson, const std::string& logo) {
    return kavro::fileAnswerValue(kavro::firmArchive(firmJson, logo));
}

} // namespace

EMSCRIPTEN_BINDINGS(kavro_papers) {
    emscripten::function("wordDocument", &wordDocument);
    emscripten::function("exampleLetterhead", &exampleLetterhead);
    emscripten::function("reportDocumentName", &kavro::reportDocumentName);
    emscripten::function("workbookFile", &workbookFile);
    emscripten::function("readPriceList", &kavro::readPriceList);
    emscripten::function("readOpenings", &kavro::readOpenings);
    emscripten::function("firmArchive", &firmArchive);
    emscripten::function("firmOfArchive", &kavro::firmOfArchive);
}
