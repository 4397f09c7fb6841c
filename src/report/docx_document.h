// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/picture.h"
#include "zip/zip_archive.h"

#include <pugixml.hpp>
#include <string>
#include <vector>

namespace kavro {

// A Word document (.docx) held in memory: the parts of its package, with the
// main document and its styles parsed for editing. Node handles into it stay
// valid as long as the object lives, so it is never moved.
class DocxDocument {
public:
    // `parts` holds every part of the package, the two parsed ones included;
    // the bytes of those are written anew from the parsed trees on saving.
    DocxDocument(std::vector<ZipEntry> parts, std::string mainPart, pugi::xml_document main,
                 std::string stylesPart, pugi::xml_document styles);
    DocxDocument(const DocxDocument&) = delete;
    DocxDocument& operator=(const DocxDocument&) = delete;

    // The main text (w:body), and the styles (w:styles).
    pugi::xml_node body() const;
    pugi::xml_node styles() const;

    // Width between the margins of the last section, in twips.
    int textWidth() const;

    // Adds the picture as a part of its own, related to the main text, and
    // returns the relationship id that the text embeds it by.
    std::string addPicture(const Picture& picture);

    // The bytes of the .docx file.
    std::string save() const;

private:
    // The part's entry, added empty when the package has none.
    ZipEntry& part(const std::string& name);

    std::vector<ZipEntry> parts_;
    std::string mainPart_;
    std::string stylesPart_;
    pugi::xml_document main_;
    pugi::xml_document styles_;
};

} // namespace kavro
