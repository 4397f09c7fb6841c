// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "opc_package.h"

#include "ooxml_names.h"

#include <algorithm>
#include <set>

namespace kavro::opc {

namespace {

bool sameName(std::string_view a, std::string_view b) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return lower(static_cast<unsigned char>(x)) == lower(static_cast<unsigned char>(y));
           });
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Targets are URIs: "%20" stands for a space.
std::string percentDecoded(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && hexValue(s[i + 1]) >= 0 && hexValue(s[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(s[i + 1]) * 16 + hexValue(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::string_view folderOf(std::string_view part) {
    const std::size_t slash = part.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : part.substr(0, slash + 1);
}

} // namespace

ZipEntry* findPart(std::vector<ZipEntry>& parts, std::string_view name) {
    for (ZipEntry& part : parts)
        if (sameName(part.name, name))
            return &part;
    return nullptr;
}

std::string resolveTarget(std::string_view source, std::string_view target) {
    const std::string decoded = percentDecoded(target);
    std::string path = !decoded.empty() && decoded.front() == '/'
                           ? decoded.substr(1)
                           : std::string(folderOf(source)) + decoded;
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        const std::string segment = path.substr(start, slash - start);
        if (segment == "..") {
            if (!segments.empty())
                segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = slash + 1;
    }
    std::string resolved;
    for (const std::string& segment : segments)
        resolved += (resolved.empty() ? "" : "/") + segment;
    return resolved;
}

std::string relationshipsPartOf(std::string_view part) {
    const std::size_t slash = part.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? part : part.substr(slash + 1);
    return std::string(folderOf(part)) + "_rels/" + std::string(name) + ".rels";
}

std::string contentTypeOf(const pugi::xml_document& contentTypes, std::string_view part) {
    const pugi::xml_node types = contentTypes.child("Types");
    for (pugi::xml_node o : types.children("Override"))
        if (sameName(o.attribute("PartName").value(), "/" + std::string(part)))
            return o.attribute("ContentType").value();
    const std::size_t dot = part.rfind('.');
    if (dot == std::string_view::npos || part.find('/', dot) != std::string_view::npos)
        return {};
    const std::string_view extension = part.substr(dot + 1);
    for (pugi::xml_node d : types.children("Default"))
        if (sameName(d.attribute("Extension").value(), extension))
            return d.attribute("ContentType").value();
    return {};
}

void setContentType(pugi::xml_document& contentTypes, std::string_view part,
                    std::string_view type) {
    pugi::xml_node types = contentTypes.child("Types");
    const std::string partName = "/" + std::string(part);
    pugi::xml_node entry;
    for (pugi::xml_node o : types.children("Override"))
        if (sameName(o.attribute("PartName").value(), partName))
            entry = o;
    if (!entry) {
        entry = types.append_child("Override");
        entry.append_attribute("PartName") = partName.c_str();
        entry.append_attribute("ContentType");
    }
    entry.attribute("ContentType").set_value(std::string(type).c_str());
}

pugi::xml_node findRelationship(const pugi::xml_document& relationships, std::string_view type) {
    for (pugi::xml_node r : relationships.child("Relationships").children("Relationship"))
        if (r.attribute("Type").value() == type &&
            std::string_view(r.attribute("TargetMode").value()) != "External")
            return r;
    return {};
}

std::string addRelationship(pugi::xml_document& relationships, std::string_view type,
                            std::string_view target) {
    pugi::xml_node list = relationships.child("Relationships");
    std::set<std::string> used;
    for (pugi::xml_node r : list.children("Relationship"))
        used.insert(r.attribute("Id").value());
    std::string id;
    for (int n = 1; id.empty() || used.count(id); ++n)
        id = "rId" + std::to_string(n);
    pugi::xml_node r = list.append_child("Relationship");
    r.append_attribute("Id") = id.c_str();
    r.append_attribute("Type") = std::string(type).c_str();
    r.append_attribute("Target") = std::string(target).c_str();
    return id;
}

pugi::xml_document newRelationships() {
    pugi::xml_document relationships;
    relationships.append_child("Relationships").append_attribute("xmlns") =
        ooxml::kPackageRelationshipsNamespace;
    return relationships;
}

} // namespace kavro::opc
