// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog_record.h"
#include "catalog_table.h"

#include <array>

namespace kavro {

namespace {

// Profile records: type name, thickness in mm, specific weight in kg/m2.
constexpr std::array<std::string_view, 22> kAlutech = {
    "AR/377|8,4|2,49|",   "AR/39|8,5|2,49|",    "AR/40|9|3,35|",       "ARH/40|9|4,55|",
    "AR/41|8,5|2,537|",   "AR/45|8,5|2,679|",   "AR/52|13,5|3,04|",    "AER42|8,2|4,23|",
    "AER44/S|9|6|",       "AER55/S|13,5|8,44|", "AER55m/S|13,5|6,15|", "AR/555|14|3,4|",
    "ARH/555|13,5|5,53|", "AR/55m|11|2,927|",   "AG/77|19|4,73|",      "AG/77H|19|5,9|",
    "EV/77W|19|10,05|",   "EA/77|15|9,28|",     "AEG56|13,5|6,2|",     "AER56|13,5|8,46|",
    "AEG84|19|7,14|",     "AER84|19|10,47|",
};

constexpr std::array<std::string_view, 22> kDoorHan = {
    "RHS22|5,55|3,59|",   "RHS52|8,2|9,88|",   "RH39|7|2,11|",     "RH41N|8,6|2,19|",
    "RH45M|8,8|2,11|",    "RHT45M|8,8|2,64|",  "RH58M|12,3|2,5|",  "RHT58M|12,3|3,33|",
    "RH58N|12,3|2,63|",   "RH77|18,5|4,55|",   "RHT77|18,5|6,81|", "RHE45T|8|3,89|",
    "RHE45|9|5,49|",      "RHE45M|9,3|4,36|",  "RHE58|7,8|6,13|",  "RHE58M|11,1|5,08|",
    "RHE56GM|12,7|5,55|", "RHE56M|12,7|8,14|", "RHE78|17,5|7,92|", "RHE78G|17,5|6,82|",
    "RHE84GM|18,2|7,2|",  "RHE84M|18,2|9,11|",
};

static_assert(recordsFit(kAlutech) && recordsFit(kDoorHan));

} // namespace

void fillProfileTables(CatalogTables& tables) {
    tables.alutech.fill(kAlutech, 22);
    tables.doorhan.fill(kDoorHan, 22);
}

} // namespace kavro
