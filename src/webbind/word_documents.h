// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "file_answer.h"

#include <string>

namespace kavro {

// The example letterhead "KavroBlank.docx" the program ships, made as the
// package's is.
std::string exampleLetterhead();

// The papers' module's Word documents: a report the calculator's module
// typed, typed again into the firm's template (the example letterhead when
// `templateBytes` is empty, a blank document when it is no Word document),
// as the .docx file the window writes.
FileAnswer wordDocument(const std::string& typing, const std::string& templateBytes);

// The name the window gives the single report's Word document now.
std::string reportDocumentName();

} // namespace kavro
