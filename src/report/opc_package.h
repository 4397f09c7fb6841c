// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "zip/zip_archive.h"

#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// The Open Packaging Conventions that hold a .docx together: parts named by
// their path in the zip archive (given here without the leading "/"), a
// content type for each, and relationships from one part to another.
namespace opc {

inline constexpr const char* kContentTypesPart = "[Content_Types].xml";
inline constexpr const char* kPackageRelationshipsPart = "_rels/.rels";

// The part of that name, compared without case as part names are; nullptr
// when the package has none.
ZipEntry* findPart(std::vector<ZipEntry>& parts, std::string_view name);

// The part that the relationship target `target` of `source` names: targets
// are relative to the folder of their source part ("" for the package).
std::string resolveTarget(std::string_view source, std::string_view target);

// The part that holds the relationships of `part` ("" for the package).
std::string relationshipsPartOf(std::string_view part);

// The content type of a part by the content types part: its override, else
// the default for its extension; empty when neither is given.
std::string contentTypeOf(const pugi::xml_document& contentTypes, std::string_view part);
void setContentType(pugi::xml_document& contentTypes, std::string_view part, std::string_view type);

// The first internal relationship of a type; empty when there is none.
pugi::xml_node findRelationship(const pugi::xml_document& relationships, std::string_view type);
// Adds a relationship under an id not yet used, and returns that id.
std::string addRelationship(pugi::xml_document& relationships, std::string_view type,
                            std::string_view target);
// An empty relationships part.
pugi::xml_document newRelationships();

} // namespace opc
} // namespace kavro
