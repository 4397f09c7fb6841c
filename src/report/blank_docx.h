// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "docx_document.h"

#include <memory>

namespace kavro {

// A new Word document of one empty paragraph on A4 paper, its side margins
// narrow enough for the report's 525-point tables, its text in Times New
// Roman 12 pt. It holds no table style yet.
std::unique_ptr<DocxDocument> blankDocx();

} // namespace kavro
