// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docx_launcher.h"

#include "docx_word_processor.h"

namespace kavro {

std::unique_ptr<WordProcessor> DocxLauncher::launch() {
    return std::make_unique<DocxWordProcessor>(templateFile_, destination_, limits_);
}

std::filesystem::path reportTemplatePath(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& dataFolder) {
    constexpr const char* kName = "KavroBlank.docx";
    std::error_code error;
    for (const std::filesystem::path& folder : {programFolder, dataFolder}) {
        if (!folder.empty() && std::filesystem::is_regular_file(folder / kName, error))
            return folder / kName;
    }
    return programFolder.empty() ? std::filesystem::path() : programFolder / kName;
}

std::filesystem::path reportTemplatePath() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    const std::filesystem::path folder = program.parent_path();
    return reportTemplatePath(folder, (folder / KAVRO_DATA_FROM_PROGRAM).lexically_normal());
}

} // namespace kavro
