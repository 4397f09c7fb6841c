// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "docx_document.h"
#include "zip/zip_archive.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace kavro {

// What a template may cost at most to open.
struct TemplateLimits {
    std::uintmax_t fileBytes = 32u << 20;
    ZipLimits unpacked;
};

// A template's bytes, read already.
struct TemplateBytes {
    std::string bytes;
};

// The Word document (.docx, or a .dotx template, which becomes a document)
// in `file`; nullptr when the file is missing or unreadable, exceeds the
// limits, or is no Word document this program can type into: a broken zip,
// a package without its main document, a main document that is not
// well-formed or not transitional WordprocessingML with the usual "w" prefix.
// A document without styles gets an empty styles part.
std::unique_ptr<DocxDocument> openDocx(const std::filesystem::path& file,
                                       const TemplateLimits& limits = {});

// The same for a document already read into memory.
std::unique_ptr<DocxDocument> openDocxBytes(std::string_view bytes,
                                            const TemplateLimits& limits = {});

} // namespace kavro
