// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blank_docx.h"

#include "ooxml_names.h"
#include "opc_package.h"
#include "xml_part.h"

#include <string>

namespace kavro {

namespace {

// A4, 210 x 297 mm, in twips.
constexpr int kPageWidth = 11906;
constexpr int kPageHeight = 16838;
// The report's tables are 525 points wide; the side margins leave just that
// much text width (12.4 mm each).
constexpr int kTableWidth = 525 * ooxml::kTwipsPerPoint;
constexpr int kSideMargin = (kPageWidth - kTableWidth) / 2;
constexpr int kTopBottomMargin = 1134; // 2 cm
constexpr int kHeaderFooterDistance = 709;

std::string contentTypes() {
    return std::string(R"(<Types xmlns=")") + ooxml::kContentTypesNamespace + R"(">)" +
           R"(<Default Extension="rels" ContentType=")" + ooxml::kRelationshipsType + R"("/>)" +
           R"(<Default Extension="xml" ContentType="application/xml"/>)" +
           R"(<Override PartName="/word/document.xml" ContentType=")" + ooxml::kDocumentType +
           R"("/>)" + R"(<Override PartName="/word/styles.xml" ContentType=")" +
           ooxml::kStylesType + R"("/>)" +
           R"(<Override PartName="/word/settings.xml" ContentType=")" + ooxml::kSettingsType +
           R"("/>)" + "</Types>";
}

std::string relationship(const char* id, const char* type, const char* target) {
    return std::string(R"(<Relationship Id=")") + id + R"(" Type=")" + type + R"(" Target=")" +
           target + R"("/>)";
}

std::string packageRelationships() {
    return std::string(R"(<Relationships xmlns=")") + ooxml::kPackageRelationshipsNamespace +
           R"(">)" + relationship("rId1", ooxml::kOfficeDocumentRelationship, "word/document.xml") +
           "</Relationships>";
}

std::string documentRelationships() {
    return std::string(R"(<Relationships xmlns=")") + ooxml::kPackageRelationshipsNamespace +
           R"(">)" + relationship("rId1", ooxml::kStylesRelationship, "styles.xml") +
           relationship("rId2", ooxml::kSettingsRelationship, "settings.xml") + "</Relationships>";
}

std::string document() {
    const std::string margin = std::to_string(kSideMargin);
    const std::string topBottom = std::to_string(kTopBottomMargin);
    const std::string distance = std::to_string(kHeaderFooterDistance);
    return std::string(R"(<w:document xmlns:w=")") + ooxml::kWordNamespace + R"(" xmlns:r=")" +
           ooxml::kRelationshipsNamespace + R"(">)" + "<w:body><w:p/><w:sectPr>" +
           R"(<w:pgSz w:w=")" + std::to_string(kPageWidth) + R"(" w:h=")" +
           std::to_string(kPageHeight) + R"("/>)" + R"(<w:pgMar w:top=")" + topBottom +
           R"(" w:right=")" + margin + R"(" w:bottom=")" + topBottom + R"(" w:left=")" + margin +
           R"(" w:header=")" + distance + R"(" w:footer=")" + distance + R"(" w:gutter="0"/>)" +
           R"(<w:cols w:space="708"/>)" + "</w:sectPr></w:body></w:document>";
}

// Times New Roman 12 pt, Russian; the four default styles that Word expects
// every document to have.
std::string styles() {
    return std::string(R"(<w:styles xmlns:w=")") + ooxml::kWordNamespace + R"(">)" +
           "<w:docDefaults><w:rPrDefault><w:rPr>"
           R"(<w:rFonts w:ascii="Times New Roman" w:eastAsia="Times New Roman" )"
           R"(w:hAnsi="Times New Roman" w:cs="Times New Roman"/>)"
           R"(<w:sz w:val="24"/><w:szCs w:val="24"/>)"
           R"(<w:lang w:val="ru-RU" w:eastAsia="en-US" w:bidi="ar-SA"/>)"
           "</w:rPr></w:rPrDefault><w:pPrDefault><w:pPr/></w:pPrDefault></w:docDefaults>"
           R"(<w:style w:type="paragraph" w:default="1" w:styleId="Normal">)"
           R"(<w:name w:val="Normal"/><w:qFormat/></w:style>)"
           R"(<w:style w:type="character" w:default="1" w:styleId="DefaultParagraphFont">)"
           R"(<w:name w:val="Default Paragraph Font"/><w:uiPriority w:val="1"/>)"
           "<w:semiHidden/><w:unhideWhenUsed/></w:style>"
           R"(<w:style w:type="table" w:default="1" w:styleId="TableNormal">)"
           R"(<w:name w:val="Normal Table"/><w:uiPriority w:val="99"/>)"
           "<w:semiHidden/><w:unhideWhenUsed/><w:tblPr>"
           R"(<w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar>)"
           R"(<w:top w:w="0" w:type="dxa"/><w:left w:w="108" w:type="dxa"/>)"
           R"(<w:bottom w:w="0" w:type="dxa"/><w:right w:w="108" w:type="dxa"/>)"
           "</w:tblCellMar></w:tblPr></w:style>"
           R"(<w:style w:type="numbering" w:default="1" w:styleId="NoList">)"
           R"(<w:name w:val="No List"/><w:uiPriority w:val="99"/>)"
           "<w:semiHidden/><w:unhideWhenUsed/></w:style>"
           "</w:styles>";
}

// Word's own settings for a new document: tab stops every 1.25 cm, the
// layout of its current version.
std::string settings() {
    return std::string(R"(<w:settings xmlns:w=")") + ooxml::kWordNamespace + R"(">)" +
           R"(<w:defaultTabStop w:val="708"/>)" +
           R"(<w:characterSpacingControl w:val="doNotCompress"/>)" +
           R"(<w:compat><w:compatSetting w:name="compatibilityMode" )" +
           R"(w:uri="http://schemas.microsoft.com/office/word" w:val="15"/></w:compat>)" +
           "</w:settings>";
}

std::string declared(const std::string& xml) {
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)" + xml;
}

} // namespace

std::unique_ptr<DocxDocument> blankDocx() {
    std::vector<ZipEntry> parts = {
        {opc::kContentTypesPart, declared(contentTypes())},
        {opc::kPackageRelationshipsPart, declared(packageRelationships())},
        {"word/_rels/document.xml.rels", declared(documentRelationships())},
        {"word/document.xml", {}},
        {"word/styles.xml", {}},
        {"word/settings.xml", declared(settings())},
    };
    auto main = parseXmlPart(document());
    auto styleSheet = parseXmlPart(styles());
    return std::make_unique<DocxDocument>(std::move(parts), "word/document.xml", std::move(*main),
                                          "word/styles.xml", std::move(*styleSheet));
}

} // namespace kavro
