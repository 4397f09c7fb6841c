// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "report/document_opener.h"

namespace kavro::window {

// Opens the written report with the desktop's default application for its
// type, the word processor where one is installed.
class DesktopDocumentOpener : public DocumentOpener {
public:
    bool open(const std::filesystem::path& file) override;
};

} // namespace kavro::window
