// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/word_processor.h"
#include "docx_opening.h"
#include "report_destination.h"

#include <filesystem>

namespace kavro {

// Starts a DocxWordProcessor for each report: the template it tries first,
// and where the finished report goes. Hand it to Services::wordProcessor.
class DocxLauncher : public WordProcessorLauncher {
public:
    DocxLauncher(std::filesystem::path templateFile, ReportDestination& destination,
                 TemplateLimits limits = {})
        : templateFile_(std::move(templateFile)), destination_(destination), limits_(limits) {}

    std::unique_ptr<WordProcessor> launch() override;

private:
    std::filesystem::path templateFile_;
    ReportDestination& destination_;
    TemplateLimits limits_;
};

// The report template "KavroBlank.docx": the one in the folder of the
// running program when there is one there (a build tree, or a copy the user
// put beside the program), else the one installed with the program's data,
// found from the program's folder so that the installed tree can be moved
// (/usr/bin/kavro reads /usr/share/kavro/KavroBlank.docx).
std::filesystem::path reportTemplatePath();

// The same choice between two folders: `programFolder`'s template when it
// exists, else `dataFolder`'s when that exists, else a name that opens
// nothing. Either folder may be empty (not known).
std::filesystem::path reportTemplatePath(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& dataFolder);

} // namespace kavro
