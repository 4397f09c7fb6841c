// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_documents.h"

#include "core/report/output_kind.h"

#include <optional>
#include <vector>

namespace kavro::cli {

namespace {

struct DocumentKind {
    OutputKind kind;
    OrderDocumentWriter write;
};

// The kinds the order report is written in, in the order a message names them.
constexpr DocumentKind kKinds[] = {
    {OutputKind::Docx, writeDocxReport},
#ifdef KAVRO_HAS_PRINT
    {OutputKind::Pdf, writePdfReport},
#endif
};

} // namespace

OrderDocumentWriter documentWriterFor(const std::filesystem::path& file) {
    const std::optional<OutputKind> kind = outputKindOf(file);
    for (const DocumentKind& document : kKinds)
        if (kind == document.kind)
            return document.write;
    return nullptr;
}

std::string documentExtensions() {
    std::vector<OutputKind> kinds;
    for (const DocumentKind& document : kKinds)
        kinds.push_back(document.kind);
    return extensionList(kinds);
}

} // namespace kavro::cli
