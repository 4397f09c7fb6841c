// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kavro {

// The kinds of file the programs write their papers into.
enum class OutputKind { Docx, Pdf, Csv, Xlsx };

// The kind a file's extension names, compared without regard to case.
std::optional<OutputKind> outputKindOf(const std::filesystem::path& file);
// ".docx"
std::string_view extensionOf(OutputKind kind);
// ".pdf, .docx", for a message naming the kinds a command writes.
std::string extensionList(std::span<const OutputKind> kinds);

// The driver's action that writes the report in a kind ("report" the Word
// document, "pdf" the PDF); the kind of such an action.
std::optional<OutputKind> reportActionKind(std::string_view action);

} // namespace kavro
