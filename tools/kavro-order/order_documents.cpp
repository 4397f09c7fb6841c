// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_documents.h"

#include <algorithm>
#include <string_view>

namespace kavro::cli {

namespace {

struct DocumentKind {
    std::string_view extension;
    OrderDocumentWriter write;
};

// A new kind of document is one more row.
constexpr DocumentKind kKinds[] = {
    {".docx", writeDocxReport},
#ifdef KAVRO_HAS_PRINT
    {".pdf", writePdfReport},
#endif
};

std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

} // namespace

OrderDocumentWriter documentWriterFor(const std::filesystem::path& file) {
    const std::string extension = lowerAscii(file.extension().string());
    for (const DocumentKind& kind : kKinds)
        if (kind.extension == extension)
            return kind.write;
    return nullptr;
}

std::string documentExtensions() {
    std::string list;
    for (const DocumentKind& kind : kKinds)
        list += (list.empty() ? "" : ", ") + std::string(kind.extension);
    return list;
}

} // namespace kavro::cli
