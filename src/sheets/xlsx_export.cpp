// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xlsx_export.h"

#include "core/money/money.h"
#include "core/report/output_kind.h"
#include "core/report/report_date.h"
#include "core/text/number_text.h"
#include "core/text/utf8.h"
#include "xlsx_number.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <unistd.h>
#include <xlsxwriter.h>

namespace kavro {

namespace {

// A double keeps 15 significant digits whatever their value; more might not
// come back as they were typed.
constexpr std::size_t kExactDigits = 15;
// Wider than this a column only pushes the others off the screen.
constexpr double kMaxWidth = 60;

// The cell as a number when reading the workbook back gives the same text:
// "2,5" is 2.5, but "2,50" and "007" stay texts, or they would come back as
// "2,5" and "7".
std::optional<double> exactNumber(const std::string& text) {
    std::string stored = text;
    std::replace(stored.begin(), stored.end(), ',', '.');
    if (numberCellText(stored, text.size()) != text ||
        std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }) >
            static_cast<std::ptrdiff_t>(kExactDigits))
        return std::nullopt;
    // The window's own reading of the text, which numberCellText has found
    // to be a plain number.
    return StrToFloat(text);
}

// An amount of money as the program writes it ("1234,50", "-308,64") as a
// number of roubles; nothing for any other text ("нет цены"). Exact as a
// double up to 15 digits, past which the cell keeps the text.
std::optional<double> moneyNumber(const std::string& text) {
    const bool negative = text.starts_with('-');
    const auto parsed = parsePrice(std::string_view(text).substr(negative ? 1 : 0));
    const Money* amount = std::get_if<Money>(&parsed);
    if (!amount || plainMoneyText(negative ? Money{-amount->kopecks} : *amount) != text ||
        amount->kopecks >= 1'000'000'000'000'000)
        return std::nullopt;
    return (negative ? -1.0 : 1.0) * static_cast<double>(amount->kopecks) / 100.0;
}

// The temporary file the writer library writes, removed whatever happens.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& folder) {
        std::string pattern = (folder / ".kavro-workbook-XXXXXX.xlsx").string();
        const int fd = mkstemps(pattern.data(), 5);
        if (fd < 0)
            throw WorkbookError("не удалось создать временный файл в папке «" +
                                utf8::sanitize(folder.string()) + "»");
        close(fd);
        path_ = pattern;
    }
    ~TemporaryFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

void check(lxw_error error) {
    if (error != LXW_NO_ERROR)
        throw WorkbookError(std::string("не удалось составить книгу: ") + lxw_strerror(error));
}

void writeCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& text,
               bool number, bool money, lxw_format* format, lxw_format* moneyFormat) {
    if (text.empty())
        return;
    if (const std::optional<double> amount = money ? moneyNumber(text) : std::nullopt)
        check(worksheet_write_number(sheet, row, column, *amount, moneyFormat));
    else if (const std::optional<double> value = number ? exactNumber(text) : std::nullopt)
        check(worksheet_write_number(sheet, row, column, *value, format));
    else
        check(worksheet_write_string(sheet, row, column, text.c_str(), format));
}

void fillSheet(lxw_workbook* book, lxw_worksheet* sheet, const SheetTable& table) {
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format* money = workbook_add_format(book);
    format_set_num_format(money, "0.00");
    std::vector<std::size_t> widths(table.names.size(), 0);
    const auto writeRow = [&](lxw_row_t row, const CsvRow& cells, lxw_format* format) {
        for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
            const bool isMoney = c < table.money.size() && table.money[c];
            writeCell(sheet, row, static_cast<lxw_col_t>(c), cells[c], table.numbers[c], isMoney,
                      format, money);
            widths[c] = std::max(widths[c], utf8::length(cells[c]));
        }
    };
    writeRow(0, table.names, bold);
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        writeRow(static_cast<lxw_row_t>(r + 1), table.rows[r], nullptr);
    for (std::size_t c = 0; c < widths.size(); ++c)
        check(worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                   std::min(static_cast<double>(widths[c]) + 2, kMaxWidth),
                                   nullptr));
    worksheet_freeze_panes(sheet, 1, 0);
}

} // namespace

std::string workbookBytes(const SheetTable& table, const std::filesystem::path& folder) {
    const TemporaryFile file(folder.empty() ? std::filesystem::path(".") : folder);
    lxw_workbook* book = workbook_new(file.path().c_str());
    if (!book)
        throw WorkbookError("не удалось начать книгу");
    lxw_worksheet* sheet = workbook_add_worksheet(book, table.sheetName.c_str());
    try {
        // Dated by the papers' clock, not the writer library's own.
        lxw_doc_properties properties{};
        properties.created = reportTime();
        check(workbook_set_properties(book, &properties));
        if (!sheet)
            throw WorkbookError("не удалось добавить лист «" + table.sheetName + "»");
        fillSheet(book, sheet, table);
    } catch (...) {
        workbook_close(book); // frees it; the file goes with the temporary
        throw;
    }
    check(workbook_close(book));
    std::ifstream in(file.path(), std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof())
        throw WorkbookError("не удалось прочесть составленную книгу");
    if (bytes.empty())
        throw WorkbookError("книга вышла пустой");
    return bytes;
}

bool isWorkbookName(const std::filesystem::path& file) {
    return outputKindOf(file) == OutputKind::Xlsx;
}

} // namespace kavro
