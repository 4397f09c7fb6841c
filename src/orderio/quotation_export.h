// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/quote/quotation.h"
#include "sheet_table.h"

namespace kavro {

// The quotation as a spreadsheet: one row per line (Артикул, Наименование,
// Количество, Цена, руб., Сумма, руб.), then the totals, each with its text
// in Наименование and its amount in Сумма, руб.; amounts with the decimal
// comma and no thousands gap ("12345,60"), so that a spreadsheet reads
// them as numbers.
SheetTable quotationSheet(const Quotation& quotation);

} // namespace kavro
