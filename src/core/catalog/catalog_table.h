// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace kavro {

// A catalogue table: record texts numbered from 1, and the count of rows,
// from row 1, that its readers examine. Empty, with count 0, until the
// start-up routine fills it. A table may hold rows beyond its count.
class CatalogTable {
public:
    void fill(std::span<const std::string_view> records, int count);

    int count() const { return count_; }
    int size() const { return static_cast<int>(rows_.size()); }
    // Row n (from 1); the empty text for a row the table does not hold.
    std::string_view row(int n) const;

private:
    std::vector<std::string_view> rows_;
    int count_ = 0;
};

// Every table of the program, owned by the window.
struct CatalogTables {
    CatalogTable alutech;
    CatalogTable doorhan;
    CatalogTable pravel;
    CatalogTable senta;
    CatalogTable mr40;
    CatalogTable terna;
    CatalogTable kx;
    CatalogTable nirla;
};

void fillProfileTables(CatalogTables& tables);
void fillDriveTables(CatalogTables& tables);

} // namespace kavro
