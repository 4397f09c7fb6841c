// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "orderio/openings_import.h"

namespace kavro::fuzz {

// What every import must hold, whatever the spreadsheet's form: a refused
// one brings in nothing, and the openings brought in, each with its row,
// save as an order file and read back the same.
void checkImportedOpenings(const OpeningsImport& imported);

} // namespace kavro::fuzz
