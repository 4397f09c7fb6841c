// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Names fixed by Office Open XML (transitional) that the report's documents
// use: namespaces, content types and relationship types.
namespace kavro::ooxml {

inline constexpr const char* kWordNamespace =
    "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr const char* kRelationshipsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr const char* kPackageRelationshipsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr const char* kContentTypesNamespace =
    "http://schemas.openxmlformats.org/package/2006/content-types";

inline constexpr const char* kDocumentType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";
// A Word template (.dotx) holds the same main part under another type.
inline constexpr const char* kTemplateType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml";
inline constexpr const char* kStylesType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml";
inline constexpr const char* kSettingsType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml";
inline constexpr const char* kRelationshipsType =
    "application/vnd.openxmlformats-package.relationships+xml";

inline constexpr const char* kOfficeDocumentRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";
inline constexpr const char* kStylesRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
inline constexpr const char* kSettingsRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings";
inline constexpr const char* kImageRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";

// The drawing markup of an inline picture.
inline constexpr const char* kWordDrawingNamespace =
    "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
inline constexpr const char* kDrawingNamespace =
    "http://schemas.openxmlformats.org/drawingml/2006/main";
inline constexpr const char* kPictureNamespace =
    "http://schemas.openxmlformats.org/drawingml/2006/picture";

// Lengths in WordprocessingML: twentieths of a point (twips) for page and
// table measures, half-points for font sizes.
inline constexpr int kTwipsPerPoint = 20;
inline constexpr int kHalfPointsPerPoint = 2;
// Drawings measure in English Metric Units.
inline constexpr int kEmuPerPoint = 12700;

} // namespace kavro::ooxml
