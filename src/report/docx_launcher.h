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

// The report template: "KavroBlank.docx" in the folder of the running
// program; a name that opens nothing when that folder cannot be found.
std::filesystem::path reportTemplatePath();

} // namespace kavro
