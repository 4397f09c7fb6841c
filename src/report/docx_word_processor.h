// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "character_format.h"
#include "core/platform/word_processor.h"
#include "docx_document.h"
#include "docx_opening.h"
#include "report_destination.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace kavro {

// A word processor without an application behind it: it builds a .docx in
// memory as Word would build it from the same calls, and hands the finished
// file to a destination.
class DocxWordProcessor : public WordProcessor {
public:
    DocxWordProcessor(std::filesystem::path templateFile, ReportDestination& destination,
                      TemplateLimits limits = {});
    // The template already read, as a browser holds it.
    DocxWordProcessor(TemplateBytes templateBytes, ReportDestination& destination,
                      TemplateLimits limits = {});

    void openTemplate() override;
    void addDocument() override;
    void setAlignment(Alignment alignment) override;
    void setLineUnitAfter(double lines) override;
    void setLineUnitBefore(double lines) override;
    void setLineSpacing(double points) override;
    void setBold(bool bold) override;
    void setFontSize(double points) override;
    void typeText(const std::string& text) override;
    void insertPicture(const Picture& picture, double width, double height) override;
    int addTable(int rows, int columns) override;
    void setTableStyle(int table, const std::string& style) override;
    void setPreferredWidth(int table, int column, double points) override;
    void addRow(int table) override;
    void setCellText(int table, int row, int column, const std::string& text) override;
    void setCellBold(int table, int row, int column, bool bold) override;
    void setCellAlignment(int table, int row, int column, Alignment alignment) override;
    void moveToEnd() override;
    void handOver() override;

    // The document being typed; nullptr before one is opened or added.
    const DocxDocument* document() const { return document_.get(); }

private:
    // The open document; refused when there is none.
    DocxDocument& current();
    // The paragraph that the insertion point stands at the end of.
    pugi::xml_node paragraph();
    pugi::xml_node table(int table);
    void use(std::unique_ptr<DocxDocument> document, pugi::xml_node paragraph);
    void setSpacing(const char* linesAttribute, const char* twipsAttribute, double lines);

    std::filesystem::path templateFile_;
    std::optional<std::string> templateBytes_; // read instead of the file
    ReportDestination& destination_;
    TemplateLimits limits_;

    std::unique_ptr<DocxDocument> document_;
    pugi::xml_node paragraph_;
    CharacterFormat format_;
    // The tables added, numbered from 1 in the order added.
    std::vector<pugi::xml_node> tables_;
    int pictures_ = 0; // numbers the drawings
};

} // namespace kavro
