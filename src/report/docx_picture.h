// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <pugixml.hpp>
#include <string_view>

namespace kavro {

// Appends to `paragraph` a run that shows the picture related to the main
// text under `relationshipId`, inline, `width` by `height` points. `number`
// tells the document's drawings apart (1 for the first).
void appendPicture(pugi::xml_node paragraph, std::string_view relationshipId, int number,
                   double width, double height);

// Declares on the document's root element the prefixes the picture's markup
// uses, where they are not declared already.
void declarePictureNamespaces(pugi::xml_node root);

} // namespace kavro
