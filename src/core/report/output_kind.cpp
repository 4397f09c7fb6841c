// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "output_kind.h"

#include <algorithm>

namespace kavro {

namespace {

struct KindRow {
    OutputKind kind;
    std::string_view extension;
    // The driver's action writing the single report in this kind; empty
    // where it has none.
    std::string_view reportAction;
};

// A new kind of file is one more row.
constexpr KindRow kKinds[] = {
    {OutputKind::Docx, ".docx", "report"},
    {OutputKind::Pdf, ".pdf", "pdf"},
    {OutputKind::Csv, ".csv", ""},
    {OutputKind::Xlsx, ".xlsx", ""},
};

std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

} // namespace

std::optional<OutputKind> outputKindOf(const std::filesystem::path& file) {
    const std::string extension = lowerAscii(file.extension().string());
    for (const KindRow& row : kKinds)
        if (row.extension == extension)
            return row.kind;
    return std::nullopt;
}

std::string_view extensionOf(OutputKind kind) {
    for (const KindRow& row : kKinds)
        if (row.kind == kind)
            return row.extension;
    return {};
}

std::string extensionList(std::span<const OutputKind> kinds) {
    std::string list;
    for (const OutputKind kind : kinds)
        list += (list.empty() ? "" : ", ") + std::string(extensionOf(kind));
    return list;
}

std::optional<OutputKind> reportActionKind(std::string_view action) {
    for (const KindRow& row : kKinds)
        if (!row.reportAction.empty() && row.reportAction == action)
            return row.kind;
    return std::nullopt;
}

} // namespace kavro
