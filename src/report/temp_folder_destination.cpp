// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "temp_folder_destination.h"

#include "core/platform/atomic_file.h"
#include "core/platform/word_processor.h"
#include "delivery_messages.h"
#include "report_file_name.h"

namespace kavro {

namespace {

// Reports written within one second share a time stamp; past this many the
// folder is taken to be unusable.
constexpr int kAlternatives = 100;

} // namespace

std::tm TempFolderDestination::localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::filesystem::path TempFolderDestination::userTempFolder() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    return error ? std::filesystem::path("/tmp") : folder;
}

TempFolderDestination::TempFolderDestination(std::filesystem::path folder, DocumentOpener& opener,
                                             Clock clock)
    : folder_(std::move(folder)), opener_(opener), clock_(std::move(clock)) {}

void TempFolderDestination::deliver(const std::string& docx) {
    const std::tm now = clock_();
    for (int alternative = 1; alternative <= kAlternatives; ++alternative) {
        const std::filesystem::path file = folder_ / reportFileName(now, alternative);
        const std::error_code error = writeNewFile(file, docx);
        if (error == std::errc::file_exists)
            continue;
        if (error)
            throw ReportNotDelivered(reportNotWrittenMessage(file, error));
        lastFile_ = file;
        if (!opener_.open(file))
            throw ReportNotDelivered(reportNotOpenedMessage(file));
        return;
    }
    throw ReportNotDelivered(noFreeNameMessage(folder_));
}

} // namespace kavro
