#include "element_order.h"

#include <array>
#include <cstring>
#include <span>
#include <string>

namespace kavro {

namespace {

// Content models of the WordprocessingML property elements, in schema order.
constexpr std::array kParagraphProperties = {"pStyle",
                                             "keepNext",
                                             "keepLines",
                                             "pageBreakBefore",
                                             "framePr",
                                             "widowControl",
                                             "numPr",
                                             "suppressLineNumbers",
                                             "pBdr",
                                             "shd",
                                             "tabs",
                                             "suppressAutoHyphens",
                                             "kinsoku",
                                             "wordWrap",
                                             "overflowPunct",
                                             "topLinePunct",
                                             "autoSpaceDE",
                                             "autoSpaceDN",
                                             "bidi",
                                             "adjustRightInd",
                                             "snapToGrid",
                                             "spacing",
                                             "ind",
                                             "contextualSpacing",
                                             "mirrorIndents",
                                             "suppressOverlap",
                                             "jc",
                                             "textDirection",
                                             "textAlignment",
                                             "textboxTightWrap",
                                             "outlineLvl",
                                             "divId",
                                             "cnfStyle",
                                             "rPr",
                                             "sectPr",
                                             "pPrChange"};

// Run properties, with the revision marks that only a paragraph mark's
// properties hold at their ends.
constexpr std::array kRunProperties = {"ins",
                                       "del",
                                       "moveFrom",
                                       "moveTo",
                                       "rStyle",
                                       "rFonts",
                                       "b",
                                       "bCs",
                                       "i",
                                       "iCs",
                                       "caps",
                                       "smallCaps",
                                       "strike",
                                       "dstrike",
                                       "outline",
                                       "shadow",
                                       "emboss",
                                       "imprint",
                                       "noProof",
                                       "snapToGrid",
                                       "vanish",
                                       "webHidden",
                                       "color",
                                       "spacing",
                                       "w",
                                       "kern",
                                       "position",
                                       "sz",
                                       "szCs",
                                       "highlight",
                                       "u",
                                       "effect",
                                       "bdr",
                                       "shd",
                                       "fitText",
                                       "vertAlign",
                                       "rtl",
                                       "cs",
                                       "em",
                                       "lang",
                                       "eastAsianLayout",
                                       "specVanish",
                                       "oMath",
                                       "rPrChange"};

constexpr std::array kTableProperties = {"tblStyle",
                                         "tblpPr",
                                         "tblOverlap",
                                         "bidiVisual",
                                         "tblStyleRowBandSize",
                                         "tblStyleColBandSize",
                                         "tblW",
                                         "jc",
                                         "tblCellSpacing",
                                         "tblInd",
                                         "tblBorders",
                                         "shd",
                                         "tblLayout",
                                         "tblCellMar",
                                         "tblLook",
                                         "tblCaption",
                                         "tblDescription",
                                         "tblPrChange"};

constexpr std::array kCellProperties = {
    "cnfStyle", "tcW",     "gridSpan", "hMerge",        "vMerge",    "tcBorders",
    "shd",      "noWrap",  "tcMar",    "textDirection", "tcFitText", "vAlign",
    "hideMark", "headers", "cellIns",  "cellDel",       "cellMerge", "tcPrChange"};

// Place of an element in a content model; -1 when it is not part of it.
int placeOf(std::span<const char* const> sequence, const char* qualified) {
    if (std::strncmp(qualified, "w:", 2) != 0)
        return -1;
    for (std::size_t i = 0; i < sequence.size(); ++i)
        if (std::strcmp(sequence[i], qualified + 2) == 0)
            return static_cast<int>(i);
    return -1;
}

pugi::xml_node orderedChild(pugi::xml_node parent, const char* name,
                            std::span<const char* const> sequence) {
    const std::string qualified = std::string("w:") + name;
    if (pugi::xml_node existing = parent.child(qualified.c_str()))
        return existing;
    const int place = placeOf(sequence, qualified.c_str());
    for (pugi::xml_node sibling : parent.children())
        if (placeOf(sequence, sibling.name()) > place)
            return parent.insert_child_before(qualified.c_str(), sibling);
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
