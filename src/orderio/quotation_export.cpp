// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quotation_export.h"

namespace kavro {

SheetTable quotationSheet(const Quotation& quotation) {
    SheetTable table;
    table.sheetName = "Коммерческое предложение";
    table.names = {"Артикул", "Наименование", "Количество", "Цена, руб.", "Сумма, руб."};
    table.numbers = {false, false, true, false, false};
    table.money = {false, false, false, true, true};
    for (const QuotationRow& row : quotationRows(quotation, plainMoneyText))
        table.rows.push_back({row.article, row.name, row.quantity, row.price, row.sum});
    return table;
}

} // namespace kavro
