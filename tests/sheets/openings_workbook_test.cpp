// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/order/opening_calculator.h"
#include "orderio/openings_export.h"
#include "orderio/profile_types.h"
#include "report/temp_folder.h"
#include "sheets/openings_workbook.h"
#include "sheets/xlsx_export.h"

#include <gtest/gtest.h>

namespace kavro {
namespace {

// A workbook the program writes reads back as the same order: every profile
// type of the catalogue, whose thickness and weight the import checks
// against the catalogue to the character ("8,8" must not come back as
// "8,800000000000001").
TEST(OpeningsWorkbook, EveryCatalogueProfileTypeComesBackAsItWent) {
    const ProfileTypes catalogue;
    Order order;
    for (const std::string& maker : catalogue.makers())
        for (const ProfileTypes::Type& type : catalogue.typesOf(maker)) {
            Opening opening;
            opening.location = maker + " " + type.name;
            opening.inputs = {.profile = maker,
                              .profileType = type.name,
                              .thickness = type.thickness,
                              .height = "2150,5",
                              .width = "2999,9",
                              .specificWeight = type.specificWeight};
            order.openings.push_back(opening);
        }
    ASSERT_GT(order.openings.size(), 10u);
    std::vector<OpeningResults> results;
    for (Opening& opening : order.openings) {
        results.push_back(OpeningCalculator::compute(opening));
        opening.drive = results.back().driveArticle;
    }
    const test::TempFolder folder;
    const OpeningsImport back =
        importOpeningsWorkbook(workbookBytes(openingsSheet(order, results), folder.path()));
    ASSERT_TRUE(back.errors.empty()) << describeFault(back, back.errors.front());
    EXPECT_EQ(back.openings, order.openings);
}

} // namespace
} // namespace kavro
