// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docx_document.h"

#include "ooxml_names.h"
#include "opc_package.h"
#include "xml_part.h"

#include <optional>
#include <stdexcept>

namespace kavro {

namespace {

// Word's page when a section does not say otherwise: US Letter with one-inch
// margins, in twips.
constexpr int kDefaultPageWidth = 12240;
constexpr int kDefaultMargin = 1440;
// Narrower text than this (twips) means the section's figures are not usable.
constexpr int kNarrowestText = 720;

} // namespace

DocxDocument::DocxDocument(std::vector<ZipEntry> parts, std::string mainPart,
                           pugi::xml_document main, std::string stylesPart,
                           pugi::xml_document styles)
    : parts_(std::move(parts)), main_(std::move(main)), styles_(std::move(styles)) {
    ZipEntry* mainEntry = opc::findPart(parts_, mainPart);
    ZipEntry* stylesEntry = opc::findPart(parts_, stylesPart);
    if (!mainEntry || !stylesEntry)
        throw std::invalid_argument("a parsed part is missing from the package");
    // Named as the package spells them; their bytes are stale from now on.
    mainPart_ = mainEntry->name;
    stylesPart_ = stylesEntry->name;
    mainEntry->bytes.clear();
    stylesEntry->bytes.clear();
}

pugi::xml_node DocxDocument::body() const {
    return main_.document_element().child("w:body");
}

pugi::xml_node DocxDocument::styles() const {
    return styles_.document_element();
}

int DocxDocument::textWidth() const {
    const pugi::xml_node section = body().last_child();
    const pugi::xml_node page = section.child("w:pgSz");
    const pugi::xml_node margins = section.child("w:pgMar");
    const int width = page.attribute("w:w").as_int(kDefaultPageWidth) -
                      margins.attribute("w:left").as_int(kDefaultMargin) -
                      margins.attribute("w:right").as_int(kDefaultMargin);
    if (std::string_view(section.name()) != "w:sectPr" || width < kNarrowestText)
        return kDefaultPageWidth - 2 * kDefaultMargin;
    return width;
}

ZipEntry& DocxDocument::part(const std::string& name) {
    if (ZipEntry* found = opc::findPart(parts_, name))
        return *found;
    parts_.push_back(ZipEntry{name, {}});
    return parts_.back();
}

// The picture goes under media/ beside the main part, named by a number no
// part of the package uses yet; its content type is an override of its own,
// so a template's defaults for the extension do not matter.
std::string DocxDocument::addPicture(const Picture& picture) {
    const std::string folder = mainPart_.substr(0, mainPart_.rfind('/') + 1);
    std::string name;
    for (int n = 1; name.empty() || opc::findPart(parts_, folder + name); ++n)
        name = "media/picture" + std::to_string(n) + "." + std::string(extensionOf(picture.format));
    parts_.push_back(ZipEntry{folder + name, picture.bytes});

    ZipEntry& types = part(opc::kContentTypesPart);
    std::optional<pugi::xml_document> typesXml = parseXmlPart(types.bytes);
    if (!typesXml)
        throw std::invalid_argument("the package's content types cannot be read");
    opc::setContentType(*typesXml, folder + name, mimeTypeOf(picture.format));
    types.bytes = serializeXmlPart(*typesXml);

    ZipEntry& relationships = part(opc::relationshipsPartOf(mainPart_));
    std::optional<pugi::xml_document> relationshipsXml =
        relationships.bytes.empty() ? opc::newRelationships() : parseXmlPart(relationships.bytes);
    if (!relationshipsXml)
        throw std::invalid_argument("the main part's relationships cannot be read");
    const std::string id = opc::addRelationship(*relationshipsXml, ooxml::kImageRelationship, name);
    relationships.bytes = serializeXmlPart(*relationshipsXml);
    return id;
}

std::string DocxDocument::save() const {
    const std::string main = serializeXmlPart(main_);
    const std::string styles = serializeXmlPart(styles_);
    std::vector<ZipEntryView> entries;
    entries.reserve(parts_.size());
    // The content types first, where every reader looks for them.
    for (const ZipEntry& part : parts_)
        if (part.name == opc::kContentTypesPart)
            entries.push_back({part.name, part.bytes});
    for (const ZipEntry& part : parts_) {
        if (part.name == opc::kContentTypesPart)
            continue;
        if (part.name == mainPart_)
            entries.push_back({part.name, main});
        else if (part.name == stylesPart_)
            entries.push_back({part.name, styles});
        else
            entries.push_back({part.name, part.bytes});
    }
    return writeZip(entries);
}

} // namespace kavro
