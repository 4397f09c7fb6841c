// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "html_word_processor.h"

#include <memory>
#include <optional>
#include <string>

namespace kavro {

// Starts an HtmlWordProcessor for each report and keeps the last document
// handed over, for whoever shows or prints it.
class HtmlReportLauncher : public WordProcessorLauncher {
public:
    std::unique_ptr<WordProcessor> launch() override {
        return std::make_unique<HtmlWordProcessor>(
            [this](std::string html) { document = std::move(html); });
    }
    std::optional<std::string> document;
};

} // namespace kavro
