// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../calc_error.h"
#include "picture.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace kavro {

// Paragraph alignment, numbered as Word numbers it.
enum class Alignment { Left = 0, Center = 1 };

// A word processor refused a call. The report ends at once and silently.
class WordProcessorError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The finished report could not be handed to the user: it could not be
// written, or no application opened it. Unlike the word processor's other
// failures the user must learn of this, so it is the error that the message
// box shows; what() is the message box text.
class ReportNotDelivered : public CalcError {
public:
    using CalcError::CalcError;
};

// The word processor that the report button types its report into, driven as
// a user types: text goes in at the insertion point, which moves behind it,
// with the character formatting in force at that moment. Every call may throw
// WordProcessorError.
class WordProcessor {
public:
    virtual ~WordProcessor() = default;

    // Opens the report template as the document to type into, the insertion
    // point behind its own content.
    virtual void openTemplate() = 0;
    // A new blank document instead, the insertion point in its one paragraph.
    virtual void addDocument() = 0;

    // Paragraph format of the paragraph at the insertion point; a paragraph
    // that typing starts inherits it.
    virtual void setAlignment(Alignment alignment) = 0;
    // Spacing after and before the paragraph, in lines.
    virtual void setLineUnitAfter(double lines) = 0;
    virtual void setLineUnitBefore(double lines) = 0;
    // Line spacing in points, twelve points making one line.
    virtual void setLineSpacing(double points) = 0;

    // Character format of the text typed next.
    virtual void setBold(bool bold) = 0;
    virtual void setFontSize(double points) = 0;

    // Inserts text at the insertion point; CR LF in it ends the paragraph and
    // starts a new one.
    virtual void typeText(const std::string& text) = 0;
    // Inserts the picture at the insertion point, inline in its paragraph as
    // a character would stand, shown `width` by `height` points.
    virtual void insertPicture(const Picture& picture, double width, double height) = 0;

    // Inserts a table of rows x columns at the insertion point, which stays
    // where it was, and returns the number by which the calls below address
    // the table. Rows and columns count from 1.
    virtual int addTable(int rows, int columns) = 0;
    virtual void setTableStyle(int table, const std::string& style) = 0;
    virtual void setPreferredWidth(int table, int column, double points) = 0;
    // Appends a row formatted like the table's last one.
    virtual void addRow(int table) = 0;
    virtual void setCellText(int table, int row, int column, const std::string& text) = 0;
    virtual void setCellBold(int table, int row, int column, bool bold) = 0;
    virtual void setCellAlignment(int table, int row, int column, Alignment alignment) = 0;

    // Moves the insertion point to the end of the document, behind any table.
    virtual void moveToEnd() = 0;

    // The report is complete: the document is left to the user, open and
    // unsaved. Throws ReportNotDelivered when it cannot be.
    virtual void handOver() = 0;
};

// Starts a word processor for one report; nullptr when none can be started.
class WordProcessorLauncher {
public:
    virtual ~WordProcessorLauncher() = default;
    virtual std::unique_ptr<WordProcessor> launch() = 0;
};

} // namespace kavro
