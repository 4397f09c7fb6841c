// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "table_styles.h"

#include "element_order.h"

#include <set>

namespace kavro {

namespace {

constexpr std::string_view kGridName = "Сетка таблицы";
// How Word names the same style in every document, whatever its language.
constexpr std::string_view kGridBuiltInName = "Table Grid";
// Twips: cell padding left and right, when no default table style sets it.
constexpr int kCellPadding = 108;

bool isTableStyle(pugi::xml_node style) {
    return std::string_view(style.attribute("w:type").value()) == "table";
}

pugi::xml_node findTableStyle(pugi::xml_node styles, std::string_view name) {
    for (pugi::xml_node style : styles.children("w:style"))
        if (isTableStyle(style) && style.child("w:name").attribute("w:val").value() == name)
            return style;
    return {};
}

std::string unusedStyleId(pugi::xml_node styles, const std::string& wanted) {
    std::set<std::string> used;
    for (pugi::xml_node style : styles.children("w:style"))
        used.insert(style.attribute("w:styleId").value());
    std::string id = wanted;
    for (int n = 1; used.count(id); ++n)
        id = wanted + std::to_string(n);
    return id;
}

void border(pugi::xml_node borders, const char* edge) {
    pugi::xml_node b = borders.append_child(edge);
    b.append_attribute("w:val") = "single";
    b.append_attribute("w:sz") = 4; // eighths of a point: a half-point line
    b.append_attribute("w:space") = 0;
    b.append_attribute("w:color") = "auto";
}

// Adds the grid style: the default table style with a single line on every
// edge, outer and inner, and paragraphs without spacing.
std::string addGridStyle(pugi::xml_node styles) {
    pugi::xml_node defaultTableStyle;
    for (pugi::xml_node style : styles.children("w:style"))
        if (isTableStyle(style) && style.attribute("w:default").as_bool())
            defaultTableStyle = style;

    const std::string id = unusedStyleId(styles, "TableGrid");
    pugi::xml_node style = styles.append_child("w:style");
    style.append_attribute("w:type") = "table";
    style.append_attribute("w:styleId") = id.c_str();
    style.append_child("w:name").append_attribute("w:val") = std::string(kGridName).c_str();
    if (defaultTableStyle)
        style.append_child("w:basedOn").append_attribute("w:val") =
            defaultTableStyle.attribute("w:styleId").value();
    style.append_child("w:uiPriority").append_attribute("w:val") = 39;

    pugi::xml_node spacing = style.append_child("w:pPr").append_child("w:spacing");
    spacing.append_attribute("w:after") = 0;
    spacing.append_attribute("w:line") = 240; // single: 240ths of a line
    spacing.append_attribute("w:lineRule") = "auto";

    pugi::xml_node tblPr = style.append_child("w:tblPr");
    pugi::xml_node borders = tableProperty(tblPr, "tblBorders");
    for (const char* edge : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"})
        border(borders, edge);
    if (!defaultTableStyle) {
        pugi::xml_node margins = tableProperty(tblPr, "tblCellMar");
        for (const char* side : {"w:left", "w:right"}) {
            pugi::xml_node m = margins.append_child(side);
            m.append_attribute("w:w") = kCellPadding;
            m.append_attribute("w:type") = "dxa";
        }
    }
    return id;
}

} // namespace

std::optional<std::string> tableStyleId(pugi::xml_node styles, std::string_view name) {
    pugi::xml_node style = findTableStyle(styles, name);
    const bool grid = name == kGridName || name == kGridBuiltInName;
    if (!style && grid)
        style = findTableStyle(styles, name == kGridName ? kGridBuiltInName : kGridName);
    if (style && *style.attribute("w:styleId").value())
        return std::string(style.attribute("w:styleId").value());
    if (grid)
        return addGridStyle(styles);
    return std::nullopt;
}

} // namespace kavro
