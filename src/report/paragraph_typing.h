// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "character_format.h"
#include "core/platform/word_processor.h"

#include <pugixml.hpp>
#include <string_view>

namespace kavro {

// Typing into WordprocessingML paragraphs (w:p), as a user types into Word.

// Appends `text` to `paragraph` in runs formatted by `format`. A line break
// (CR LF, a lone CR or a lone LF) ends the paragraph as Enter does: the text
// after it goes into a new paragraph formatted like the one it ended. Tabs
// are kept; other control characters, which no document can hold, are
// dropped. Returns the paragraph that the text ends in.
pugi::xml_node typeInto(pugi::xml_node paragraph, std::string_view text,
                        const CharacterFormat& format);

// A new empty paragraph right after `node` (a paragraph or a table), with
// the paragraph format of `like` (none when `like` is empty) and its mark in
// `format`.
pugi::xml_node paragraphAfter(pugi::xml_node node, pugi::xml_node like,
                              const CharacterFormat& format);
// The same at the end of `parent` (a table cell).
pugi::xml_node appendParagraph(pugi::xml_node parent, pugi::xml_node like,
                               const CharacterFormat& format);

// The paragraph's properties (w:pPr), added when it has none.
pugi::xml_node paragraphProperties(pugi::xml_node paragraph);

void setAlignment(pugi::xml_node paragraph, Alignment alignment);

// Whether the paragraph holds anything beyond its properties.
bool hasContent(pugi::xml_node paragraph);

} // namespace kavro
