// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "document_opener.h"
#include "report_destination.h"

#include <ctime>
#include <filesystem>
#include <functional>

namespace kavro {

// Leaves the report to the user as a desktop does it: a new file in a folder
// (the user's temporary folder), named after the time of writing, opened
// with the default application. An existing file is never overwritten: a
// taken name gets the next number.
class TempFolderDestination : public ReportDestination {
public:
    using Clock = std::function<std::tm()>;

    // The current local time.
    static std::tm localNow();
    // The user's temporary folder: $TMPDIR when it names a folder, else /tmp.
    static std::filesystem::path userTempFolder();

    TempFolderDestination(std::filesystem::path folder, DocumentOpener& opener,
                          Clock clock = localNow);

    void deliver(const std::string& docx) override;

    // The file of the last report delivered; empty before the first.
    const std::filesystem::path& lastFile() const { return lastFile_; }

private:
    std::filesystem::path folder_;
    DocumentOpener& opener_;
    Clock clock_;
    std::filesystem::path lastFile_;
};

} // namespace kavro
