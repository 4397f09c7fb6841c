// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/catalog/catalog_record.h"
#include "core/catalog/catalog_table.h"

#include <gtest/gtest.h>

namespace kavro {
namespace {

TEST(PoluchitSvoystvo, ReadsFieldsByNumber) {
    const struct {
        std::string_view record;
        int n;
        std::string_view field;
    } cases[] = {
        {"AR/377|8,4|2,49|", 1, "AR/377"},
        {"AR/377|8,4|2,49|", 3, "2,49"},
        {"AR/377|8,4|2,49|", 4, ""}, // beyond the last bar
        {"a||c|", 2, ""},            // adjacent bars: an empty field
        {"a||c|", 3, "c"},           // still found by its number
        {"a|b|unclosed", 3, ""},     // text after the last bar is never read
        {"|x|", 1, ""},
        {"", 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PoluchitSvoystvo(c.record, c.n), c.field) << c.record << " field " << c.n;
}

TEST(CatalogTables, AreEmptyUntilFilledThenHoldTheirCounts) {
    CatalogTables tables;
    EXPECT_EQ(tables.kx.count(), 0);
    EXPECT_EQ(tables.kx.row(1), "");
    fillProfileTables(tables);
    fillDriveTables(tables);
    const struct {
        const CatalogTable& table;
        int rows;
        int count;
    } expected[] = {{tables.alutech, 22, 22}, {tables.doorhan, 22, 22}, {tables.pravel, 7, 6},
                    {tables.senta, 9, 9},     {tables.mr40, 4, 3},      {tables.terna, 5, 5},
                    {tables.kx, 24, 24},      {tables.nirla, 7, 6}};
    for (const auto& e : expected)
        EXPECT_EQ(std::pair(e.table.size(), e.table.count()), std::pair(e.rows, e.count));
}

// Every drive name that ends in torque/speed carries the record's own
// figures, and "KVL"/"NHK" stand in a name exactly when the fields say so.
TEST(DriveCatalog, NamesAgreeWithTheirFields) {
    CatalogTables tables;
    fillDriveTables(tables);
    for (const CatalogTable* t :
         {&tables.pravel, &tables.senta, &tables.mr40, &tables.terna, &tables.kx, &tables.nirla}) {
        for (int row = 1; row <= t->size(); ++row) {
            const std::string_view r = t->row(row);
            const std::string name(PoluchitSvoystvo(r, 1));
            const std::string figures =
                std::string(PoluchitSvoystvo(r, 3)) + "/" + std::string(PoluchitSvoystvo(r, 4));
            if (name.find('/') != std::string::npos) {
                EXPECT_TRUE(name.ends_with(" " + figures)) << r;
            }
            EXPECT_EQ(name.find("KVL") != std::string::npos, PoluchitSvoystvo(r, 5) == "1") << r;
            EXPECT_EQ(name.find("NHK") != std::string::npos, PoluchitSvoystvo(r, 6) == "True") << r;
            EXPECT_EQ(PoluchitSvoystvo(r, 7).size(), 7u) << r;
        }
    }
}

} // namespace
} // namespace kavro
