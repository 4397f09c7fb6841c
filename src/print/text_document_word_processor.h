// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/word_processor.h"
#include "printable_destination.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <memory>
#include <string_view>
#include <vector>

namespace kavro::print {

// A word processor that builds the report as a QTextDocument, laid out as
// the Word document is: Times New Roman, the same paragraph and table
// formats, one page width of 525 points. It needs a QGuiApplication.
//
// It has no template: openTemplate refuses, and the report goes into a
// blank document, as it does when the Word template is missing; a firm's
// letterhead is typed into that document as into the Word one.
class TextDocumentWordProcessor : public WordProcessor {
public:
    explicit TextDocumentWordProcessor(PrintableDestination& destination);

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

    // The document being typed; nullptr before one is added and after it is
    // handed over.
    const QTextDocument* document() const { return document_.get(); }

private:
    QTextCursor& cursor();
    QTextTable& table(int table);
    QTextTableCell cell(int table, int row, int column);
    void mergeParagraph(const QTextBlockFormat& format);

    PrintableDestination& destination_;
    std::unique_ptr<QTextDocument> document_;
    QTextCursor cursor_;
    // The character format of the text typed next.
    QTextCharFormat format_;
    // The tables added, numbered from 1 in the order added.
    std::vector<QTextTable*> tables_;
    int pictures_ = 0; // names the pictures' resources
};

// Types `text` at `cursor` as Word types it: CR LF, CR or LF ends the
// paragraph (the next inherits its format), a tab stays, other control
// characters and the non-characters U+FFFE and U+FFFF are dropped.
void typeInto(QTextCursor& cursor, std::string_view text, const QTextCharFormat& format);

} // namespace kavro::print
