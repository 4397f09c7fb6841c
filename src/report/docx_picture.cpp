// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docx_picture.h"

#include "ooxml_names.h"

#include <cmath>
#include <string>

namespace kavro {

namespace {

pugi::xml_node child(pugi::xml_node parent, const char* name,
                     std::initializer_list<std::pair<const char*, std::string>> attributes = {}) {
    pugi::xml_node node = parent.append_child(name);
    for (const auto& [attribute, value] : attributes)
        node.append_attribute(attribute) = value.c_str();
    return node;
}

std::string emu(double points) {
    return std::to_string(std::llround(points * ooxml::kEmuPerPoint));
}

// The picture element itself: which image it shows and how large.
void appendPictureElement(pugi::xml_node data, std::string_view relationshipId, int number,
                          const std::string& cx, const std::string& cy) {
    pugi::xml_node pic = child(data, "pic:pic");
    pugi::xml_node names = child(pic, "pic:nvPicPr");
    child(names, "pic:cNvPr", {{"id", std::to_string(number)}, {"name", "Логотип"}});
    child(names, "pic:cNvPicPr");
    pugi::xml_node fill = child(pic, "pic:blipFill");
    child(fill, "a:blip", {{"r:embed", std::string(relationshipId)}});
    child(child(fill, "a:stretch"), "a:fillRect");
    pugi::xml_node shape = child(pic, "pic:spPr");
    pugi::xml_node transform = child(shape, "a:xfrm");
    child(transform, "a:off", {{"x", "0"}, {"y", "0"}});
    child(transform, "a:ext", {{"cx", cx}, {"cy", cy}});
    child(child(shape, "a:prstGeom", {{"prst", "rect"}}), "a:avLst");
}

} // namespace

void appendPicture(pugi::xml_node paragraph, std::string_view relationshipId, int number,
                   double width, double height) {
    const std::string cx = emu(width);
    const std::string cy = emu(height);
    pugi::xml_node inline_ =
        child(child(child(paragraph, "w:r"), "w:drawing"), "wp:inline",
              {{"distT", "0"}, {"distB", "0"}, {"distL", "0"}, {"distR", "0"}});
    child(inline_, "wp:extent", {{"cx", cx}, {"cy", cy}});
    child(inline_, "wp:docPr",
          {{"id", std::to_string(number)}, {"name", "Логотип " + std::to_string(number)}});
    child(child(inline_, "wp:cNvGraphicFramePr"), "a:graphicFrameLocks", {{"noChangeAspect", "1"}});
    pugi::xml_node data =
        child(child(inline_, "a:graphic"), "a:graphicData", {{"uri", ooxml::kPictureNamespace}});
    appendPictureElement(data, relationshipId, number, cx, cy);
}

void declarePictureNamespaces(pugi::xml_node root) {
    const std::pair<const char*, const char*> prefixes[] = {
        {"xmlns:r", ooxml::kRelationshipsNamespace},
        {"xmlns:wp", ooxml::kWordDrawingNamespace},
        {"xmlns:a", ooxml::kDrawingNamespace},
        {"xmlns:pic", ooxml::kPictureNamespace},
    };
    for (const auto& [prefix, uri] : prefixes)
        if (!root.attribute(prefix))
            root.append_attribute(prefix) = uri;
}

} // namespace kavro
