// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/report/output_kind.h"

#include <gtest/gtest.h>

namespace kavro {
namespace {

// The kind is the last extension's, in any case; a name that only starts
// with a dot has no extension at all.
TEST(OutputKind, IsNamedByTheLastExtensionInAnyCase) {
    const struct {
        const char* file;
        std::optional<OutputKind> kind;
    } cases[] = {
        {"Отчёт.DOCX", OutputKind::Docx}, {"house.kavro.Pdf", OutputKind::Pdf},
        {"a.xlsx.csv", OutputKind::Csv},  {"dir.xlsx/a", std::nullopt},
        {".xlsx", std::nullopt},          {"a.odt", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(outputKindOf(c.file), c.kind) << c.file;
    EXPECT_EQ(reportActionKind("report"), OutputKind::Docx);
    EXPECT_EQ(reportActionKind("pdf"), OutputKind::Pdf);
    EXPECT_EQ(reportActionKind("csv"), std::nullopt); // a sheet is no driver's report
}

} // namespace
} // namespace kavro
