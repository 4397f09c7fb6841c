// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace kavro {

class WordProcessorLauncher; // the report's word processor, see word_processor.h
struct FirmDetails;          // the letterhead's firm, see firm/firm_details.h

// The platform services that the logic calls. The desktop window supplies
// real ones, the scripted driver and the tests recording ones.

// The system clipboard, plain text.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
};

// A modal message box with the stop icon and an OK button.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void showStop(const std::string& title, const std::string& text) = 0;
};

// Opens a web address with the desktop's browser; failures are ignored.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const std::string& url) = 0;
};

struct Services {
    Clipboard& clipboard;
    MessageBox& messageBox;
    UrlOpener& urlOpener;
    // Title of the message box: the executable's name without extension.
    std::string programName;
    // Where the report is typed; none means the report button does nothing.
    WordProcessorLauncher* wordProcessor = nullptr;
    // The firm whose letterhead heads the report; none: the template's.
    const FirmDetails* firm = nullptr;
};

} // namespace kavro
