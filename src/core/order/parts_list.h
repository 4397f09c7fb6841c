// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "opening_results.h"
#include "order.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kavro {

// One line of the order's parts list: a drive or an accessory with its total
// quantity and the openings (numbered from 1) that use it.
struct PartsListLine {
    std::string article;
    std::string name;
    std::int64_t quantity = 0;
    std::vector<int> openings;

    bool operator==(const PartsListLine&) const = default;
};

// The parts list of an order: drives first, then accessories, each in the
// order of first use. A drive counts the opening's count; an accessory its
// quantity times the opening's count. Accessories of quantity 0 are left
// out. `results` holds one entry per opening, in order.
//
// The drive of an opening is the one in effect (OpeningResults::driveArticle:
// the chosen one when offered, else the window's first; none when nothing
// fits). A wanted accessory that is not offered keeps its line, named from
// the catalogue, as its opening reports it. An opening whose count is not
// positive adds nothing. Totals are summed in 64 bits and cannot wrap.
std::vector<PartsListLine> makePartsList(const Order& order,
                                         const std::vector<OpeningResults>& results);

// The opening numbers of a line as text: ascending numbers, runs of three or
// more written as a range ("1–3, 5, 7, 8"), so that a part used in every one
// of 100,000 openings still fits a cell.
std::string openingNumbers(const std::vector<int>& openings);

} // namespace kavro
