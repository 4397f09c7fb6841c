// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "report/report_destination.h"

#include <filesystem>

namespace kavro::cli {

// Puts the finished report in place of a named file in one step, as every
// output of kavro-order is written: never half a document.
class AtomicFileDestination : public ReportDestination {
public:
    explicit AtomicFileDestination(std::filesystem::path file) : file_(std::move(file)) {}
    void deliver(const std::string& docx) override;

private:
    std::filesystem::path file_;
};

} // namespace kavro::cli
