// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "services.h"

#include <string>
#include <vector>

namespace kavro {

// Services that only remember what was asked of them.
class RecordingClipboard : public Clipboard {
public:
    void setText(const std::string& value) override { text = value; }
    std::string text;
};

class RecordingMessageBox : public MessageBox {
public:
    struct Shown {
        std::string title;
        std::string text;
    };
    void showStop(const std::string& title, const std::string& text) override {
        shown.push_back({title, text});
    }
    std::vector<Shown> shown;
};

class RecordingUrlOpener : public UrlOpener {
public:
    void open(const std::string& url) override { opened.push_back(url); }
    std::vector<std::string> opened;
};

// One of each, ready to hand to a window.
struct RecordingServices {
    RecordingClipboard clipboard;
    RecordingMessageBox messageBox;
    RecordingUrlOpener urlOpener;
    Services services(std::string programName = "kavro") {
        return Services{.clipboard = clipboard,
                        .messageBox = messageBox,
                        .urlOpener = urlOpener,
                        .programName = std::move(programName)};
    }
};

} // namespace kavro
