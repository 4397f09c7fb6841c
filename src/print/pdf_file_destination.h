// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "printable_destination.h"

#include <filesystem>

namespace kavro::print {

// Writes the report as a PDF file, in place of what the file held: the
// whole new file or, when anything fails, the old one as it was.
class PdfFileDestination : public PrintableDestination {
public:
    explicit PdfFileDestination(std::filesystem::path file = {}) : file_(std::move(file)) {}

    void setFile(std::filesystem::path file) { file_ = std::move(file); }
    const std::filesystem::path& file() const { return file_; }

    void deliver(std::unique_ptr<QTextDocument> report) override;

private:
    std::filesystem::path file_;
};

} // namespace kavro::print
