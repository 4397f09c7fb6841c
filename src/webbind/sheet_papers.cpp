// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet_papers.h"

#include "orderio/file_messages.h"
#include "orderio/order_file.h"
#include "sheet_table_json.h"
#include "sheets/openings_workbook.h"
#include "sheets/price_list_table.h"
#include "sheets/xlsx_export.h"

namespace kavro {

FileAnswer workbookFile(const std::string& sheet) {
    const std::optional<SheetTable> table = sheetTableOf(sheet);
    if (!table)
        return {{}, "таблица для книги Excel повреждена"};
    try {
        // The writer library needs a folder: the module's own, in memory.
        return {workbookBytes(*table, "/tmp"), {}};
    } catch (const WorkbookError& error) {
        return {{}, error.what()};
    }
}

std::string readPriceList(const std::string& name, const std::string& bytes) {
    using Json = nlohmann::ordered_json;
    const PriceList list = importPriceListTable(bytes);
    if (!list.errors.empty())
        return Json{{"result", "failed"}, {"error", priceListRefusal(name, list)}}.dump();
    return Json{{"result", "done"},
                {"prices", priceListText(list.articles)},
                {"count", list.articles.size()}}
        .dump();
}

std::string readOpenings(const std::string& name, const std::string& bytes) {
    using Json = nlohmann::ordered_json;
    OpeningsImport imported = importOpeningsTable(bytes);
    if (!imported.errors.empty()) {
        std::string lines;
        for (const CsvCellError& error : imported.errors) {
            // A row of a text table is placed as a line of its file.
            CsvCellError placeless = error;
            placeless.row = 0;
            const bool cell = imported.cellAddresses;
            lines += (lines.empty() ? "" : "\n") +
                     placedMessage(name, cell ? 0 : error.row, 0,
                                   cell ? describeCell(error) : describe(placeless));
        }
        return Json{{"result", "failed"}, {"error", lines}}.dump();
    }
    Order order;
    order.openings = std::move(imported.openings);
    return Json{{"result", "done"}, {"order", OrderFile::serialize(order)}}.dump();
}

} // namespace kavro
