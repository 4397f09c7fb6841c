// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docx_opening.h"

#include "ooxml_names.h"
#include "opc_package.h"
#include "xml_part.h"

#include <fstream>
#include <optional>
#include <string_view>

namespace kavro {

namespace {

// The whole file, when it is a regular file of at most `limit` bytes.
std::optional<std::string> readBounded(const std::filesystem::path& file, std::uintmax_t limit) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > limit)
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        return std::nullopt;
    if (in.peek() != std::ifstream::traits_type::eof())
        return std::nullopt; // it grew while being read
    return bytes;
}

std::optional<pugi::xml_document> parsedPart(std::vector<ZipEntry>& parts, std::string_view name,
                                             std::string_view root) {
    const ZipEntry* part = opc::findPart(parts, name);
    if (!part)
        return std::nullopt;
    auto xml = parseXmlPart(part->bytes);
    if (!xml || std::string_view(xml->document_element().name()) != root)
        return std::nullopt;
    return xml;
}

// WordprocessingML as this program writes it: the transitional namespace
// under the prefix "w" on the root element.
bool isWordprocessingMl(const pugi::xml_document& part) {
    return std::string_view(part.document_element().attribute("xmlns:w").value()) ==
           ooxml::kWordNamespace;
}

std::string unusedPartName(std::vector<ZipEntry>& parts, const std::string& folder,
                           const std::string& stem) {
    std::string name = folder + stem + ".xml";
    for (int n = 1; opc::findPart(parts, name); ++n)
        name = folder + stem + std::to_string(n) + ".xml";
    return name;
}

// A package opened for typing: its parts, with the ones edited here parsed.
class TemplatePackage {
public:
    explicit TemplatePackage(std::vector<ZipEntry> parts) : parts_(std::move(parts)) {}

    std::unique_ptr<DocxDocument> open() {
        if (!findMainDocument() || !findStyles())
            return nullptr;
        if (mainType_ == ooxml::kTemplateType)
            opc::setContentType(*contentTypes_, mainPart_, ooxml::kDocumentType);
        store(opc::kContentTypesPart, *contentTypes_);
        store(opc::relationshipsPartOf(mainPart_), *mainRelationships_);
        return std::make_unique<DocxDocument>(std::move(parts_), mainPart_, std::move(*main_),
                                              stylesPart_, std::move(*styles_));
    }

private:
    bool findMainDocument() {
        contentTypes_ = parsedPart(parts_, opc::kContentTypesPart, "Types");
        const auto relationships =
            parsedPart(parts_, opc::kPackageRelationshipsPart, "Relationships");
        if (!contentTypes_ || !relationships)
            return false;
        const pugi::xml_node main =
            opc::findRelationship(*relationships, ooxml::kOfficeDocumentRelationship);
        if (!main)
            return false;
        mainPart_ = opc::resolveTarget("", main.attribute("Target").value());
        mainType_ = opc::contentTypeOf(*contentTypes_, mainPart_);
        if (mainType_ != ooxml::kDocumentType && mainType_ != ooxml::kTemplateType)
            return false;
        main_ = parsedPart(parts_, mainPart_, "w:document");
        return main_ && isWordprocessingMl(*main_) && main_->document_element().child("w:body");
    }

    bool findStyles() {
        const std::string relationshipsName = opc::relationshipsPartOf(mainPart_);
        if (opc::findPart(parts_, relationshipsName))
            mainRelationships_ = parsedPart(parts_, relationshipsName, "Relationships");
        else
            mainRelationships_ = opc::newRelationships();
        if (!mainRelationships_)
            return false;
        const pugi::xml_node styles =
            opc::findRelationship(*mainRelationships_, ooxml::kStylesRelationship);
        if (!styles)
            return addStyles();
        stylesPart_ = opc::resolveTarget(mainPart_, styles.attribute("Target").value());
        styles_ = parsedPart(parts_, stylesPart_, "w:styles");
        return styles_ && isWordprocessingMl(*styles_);
    }

    // A document may leave all its styles to Word's defaults; the report
    // needs a place for its table style.
    bool addStyles() {
        const std::size_t slash = mainPart_.rfind('/');
        const std::string folder = slash == std::string::npos ? "" : mainPart_.substr(0, slash + 1);
        stylesPart_ = unusedPartName(parts_, folder, "styles");
        styles_.emplace();
        styles_->append_child("w:styles").append_attribute("xmlns:w") = ooxml::kWordNamespace;
        opc::addRelationship(*mainRelationships_, ooxml::kStylesRelationship,
                             stylesPart_.substr(folder.size()));
        opc::setContentType(*contentTypes_, stylesPart_, ooxml::kStylesType);
        parts_.push_back({stylesPart_, {}});
        return true;
    }

    void store(const std::string& name, const pugi::xml_document& xml) {
        ZipEntry* part = opc::findPart(parts_, name);
        if (!part) {
            parts_.push_back({name, {}});
            part = &parts_.back();
        }
        part->bytes = serializeXmlPart(xml);
    }

    std::vector<ZipEntry> parts_;
    std::optional<pugi::xml_document> contentTypes_;
    std::optional<pugi::xml_document> mainRelationships_;
    std::optional<pugi::xml_document> main_;
    std::optional<pugi::xml_document> styles_;
    std::string mainPart_;
    std::string mainType_;
    std::string stylesPart_;
};

} // namespace

std::unique_ptr<DocxDocument> openDocx(const std::filesystem::path& file,
                                       const TemplateLimits& limits) {
    const auto bytes = readBounded(file, limits.fileBytes);
    if (!bytes)
        return nullptr;
    return openDocxBytes(*bytes, limits);
}

std::unique_ptr<DocxDocument> openDocxBytes(std::string_view bytes, const TemplateLimits& limits) {
    if (bytes.size() > limits.fileBytes)
        return nullptr;
    auto parts = readZip(bytes, limits.unpacked);
    if (!parts)
        return nullptr;
    return TemplatePackage(std::move(*parts)).open();
}

} // namespace kavro
