// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "element_order.h"

#include <string>
#include <string_view>

namespace kavro {

namespace {

// Content models of the WordprocessingML property elements: element names
// in schema order, separated by single spaces.
constexpr std::string_view kParagraphProperties =
    "pStyle keepNext keepLines pageBreakBefore framePr widowControl numPr suppressLineNumbers "
    "pBdr shd tabs suppressAutoHyphens kinsoku wordWrap overflowPunct topLinePunct autoSpaceDE "
    "autoSpaceDN bidi adjustRightInd snapToGrid spacing ind contextualSpacing mirrorIndents "
    "suppressOverlap jc textDirection textAlignment textboxTightWrap outlineLvl divId cnfStyle "
    "rPr sectPr pPrChange";
// Run properties, with the revision marks that only a paragraph mark's
// properties hold at their ends.
constexpr std::string_view kRunProperties =
    "ins del moveFrom moveTo rStyle rFonts b bCs i iCs caps smallCaps strike dstrike outline "
    "shadow emboss imprint noProof snapToGrid vanish webHidden color spacing w kern position sz "
    "szCs highlight u effect bdr shd fitText vertAlign rtl cs em lang eastAsianLayout "
    "oMath rPrChange";
constexpr std::string_view kTableProperties =
    "tblStyle tblpPr tblOverlap bidiVisual tblStyleRowBandSize tblStyleColBandSize tblW jc "
    "tblCellSpacing tblInd tblBorders shd tblLayout tblCellMar tblLook tblCaption "
    "tblDescription tblPrChange";
constexpr std::string_view kCellProperties =
    "cnfStyle tcW gridSpan hMerge vMerge tcBorders shd noWrap tcMar textDirection tcFitText "
    "vAlign hideMark headers cellIns cellDel cellMerge tcPrChange";

constexpr std::size_t kNowhere = std::string_view::npos;

// Place of an element in a content model (the offset of its name in the
// list); kNowhere when it is not part of it.
std::size_t placeOf(std::string_view sequence, std::string_view qualified) {
    if (!qualified.starts_with("w:"))
        return kNowhere;
    const std::string_view name = qualified.substr(2);
    for (std::size_t at = sequence.find(name); at != kNowhere; at = sequence.find(name, at + 1)) {
        const std::size_t end = at + name.size();
        if ((at == 0 || sequence[at - 1] == ' ') &&
            (end == sequence.size() || sequence[end] == ' '))
            return at;
    }
    return kNowhere;
}

pugi::xml_node orderedChild(pugi::xml_node parent, const char* name, std::string_view sequence) {
    const std::string qualified = std::string("w:") + name;
    if (pugi::xml_node existing = parent.child(qualified.c_str()))
        return existing;
    const std::size_t place = placeOf(sequence, qualified);
    for (pugi::xml_node sibling : parent.children()) {
        const std::size_t siblingPlace = placeOf(sequence, sibling.name());
        if (siblingPlace != kNowhere && siblingPlace > place)
            return parent.insert_child_before(qualified.c_str(), sibling);
    }
    return parent.append_child(qualified.c_str());
}

} // namespace

pugi::xml_node paragraphProperty(pugi::xml_node pPr, const char* name) {
    return orderedChild(pPr, name, kParagraphProperties);
}

pugi::xml_node runProperty(pugi::xml_node rPr, const char* name) {
    return orderedChild(rPr, name, kRunProperties);
}

pugi::xml_node tableProperty(pugi::xml_node tblPr, const char* name) {
    return orderedChild(tblPr, name, kTableProperties);
}

pugi::xml_node cellProperty(pugi::xml_node tcPr, const char* name) {
    return orderedChild(tcPr, name, kCellProperties);
}

pugi::xml_node leadingChild(pugi::xml_node parent, const char* name) {
    const std::string qualified = std::string("w:") + name;
    if (pugi::xml_node existing = parent.child(qualified.c_str()))
        return existing;
    return parent.prepend_child(qualified.c_str());
}

} // namespace kavro
