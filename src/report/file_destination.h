// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "report_destination.h"

#include <filesystem>

namespace kavro {

// Writes the report to a named file, replacing what the file held; the
// scripted driver's `report PATH`.
class FileDestination : public ReportDestination {
public:
    explicit FileDestination(std::filesystem::path file = {}) : file_(std::move(file)) {}

    void setFile(std::filesystem::path file) { file_ = std::move(file); }
    const std::filesystem::path& file() const { return file_; }

    void deliver(const std::string& docx) override;

private:
    std::filesystem::path file_;
};

} // namespace kavro
