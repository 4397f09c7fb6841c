// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "character_format.h"

#include "element_order.h"
#include "ooxml_names.h"

#include <cmath>
#include <cstring>

namespace kavro {

namespace {

// An on/off property: present means on unless its value says otherwise.
bool isOn(pugi::xml_node property) {
    const pugi::xml_attribute value = property.attribute("w:val");
    if (!value)
        return true;
    const char* v = value.value();
    return !(std::strcmp(v, "0") == 0 || std::strcmp(v, "false") == 0 ||
             std::strcmp(v, "off") == 0);
}

void setSize(pugi::xml_node rPr, double points) {
    const long halfPoints = std::lround(points * ooxml::kHalfPointsPerPoint);
    for (const char* name : {"sz", "szCs"}) {
        pugi::xml_node size = runProperty(rPr, name);
        size.remove_attributes();
        size.append_attribute("w:val") = halfPoints;
    }
}

} // namespace

void setBold(pugi::xml_node rPr, bool bold) {
    for (const char* name : {"b", "bCs"}) {
        pugi::xml_node property = runProperty(rPr, name);
        property.remove_attributes();
        if (!bold)
            property.append_attribute("w:val") = "0";
    }
}

void CharacterFormat::applyTo(pugi::xml_node rPr) const {
    if (bold)
        setBold(rPr, *bold);
    if (size)
        setSize(rPr, *size);
}

CharacterFormat CharacterFormat::of(pugi::xml_node rPr) {
    CharacterFormat format;
    if (pugi::xml_node b = rPr.child("w:b"))
        format.bold = isOn(b);
    if (pugi::xml_node sz = rPr.child("w:sz"))
        format.size = sz.attribute("w:val").as_double() / ooxml::kHalfPointsPerPoint;
    return format;
}

} // namespace kavro
