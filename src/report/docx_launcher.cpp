#include "docx_launcher.h"

#include "docx_word_processor.h"

namespace kavro {

std::unique_ptr<WordProcessor> DocxLauncher::launch() {
    return std::make_unique<DocxWordProcessor>(templateFile_, destination_, limits_);
}

std::filesystem::path reportTemplatePath() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    return program.parent_path() / "KavroBlank.docx";
}

} // namespace kavro
