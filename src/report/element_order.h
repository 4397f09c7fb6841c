// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <pugixml.hpp>

namespace kavro {

// Word refuses a document whose property elements stand out of the order
// that the WordprocessingML schema gives them, so properties are added in
// their place among whatever a template already holds.
//
// Each function returns the w:NAME child of the given properties element,
// added in its schema place when it is missing. NAME is given without its
// prefix.
pugi::xml_node paragraphProperty(pugi::xml_node pPr, const char* name); // of w:pPr
pugi::xml_node runProperty(pugi::xml_node rPr, const char* name);       // of w:rPr
pugi::xml_node tableProperty(pugi::xml_node tblPr, const char* name);   // of w:tblPr
pugi::xml_node cellProperty(pugi::xml_node tcPr, const char* name);     // of w:tcPr

// The w:NAME child that must come first in `parent` (w:pPr in a paragraph,
// w:rPr in a run, w:tblPr in a table, w:tcPr in a cell), added when missing.
pugi::xml_node leadingChild(pugi::xml_node parent, const char* name);

} // namespace kavro
