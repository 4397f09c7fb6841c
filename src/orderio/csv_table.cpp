// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "csv_table.h"

#include "text_encoding.h"

#include <csv.h>
#include <memory>

namespace kavro {

namespace {

// RFC 4180 keeps the spaces around a cell; libcsv would trim them.
int noSpaces(unsigned char) {
    return 0;
}

// A spreadsheet takes a cell that starts with one of these for a formula and
// runs it: a location typed as "=HYPERLINK(...)" must stay text. Such a cell
// is written with an apostrophe in front, as a user would type it by hand;
// so is a cell that starts with an apostrophe itself, so that reading back
// takes exactly one off.
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

// "-2,5" or "+7": a plain number, which the spreadsheet may keep as one.
bool isSignedNumber(std::string_view cell) {
    if (cell.size() < 2 || (cell.front() != '-' && cell.front() != '+'))
        return false;
    const std::string_view rest = cell.substr(1);
    return rest.find_first_not_of("0123456789,") == std::string_view::npos &&
           rest.find_first_of("0123456789") != std::string_view::npos;
}

bool escapedForSpreadsheet(std::string_view cell) {
    return cell.size() >= 2 && cell.front() == '\'' &&
           (cell[1] == '\'' || kFormulaStarts.find(cell[1]) != std::string_view::npos);
}

std::string asSpreadsheetText(const std::string& cell) {
    if (cell.empty())
        return cell;
    const bool formula =
        kFormulaStarts.find(cell.front()) != std::string_view::npos && !isSignedNumber(cell);
    return formula || cell.front() == '\'' ? "'" + cell : cell;
}

// A row that already holds more rows than may be read stops the parse.
struct TooManyRows {};

struct Collector {
    std::vector<CsvRow> rows;
    CsvRow row;
    std::size_t maxRows = 0;
    // Only the first row is wanted (separator detection).
    bool firstOnly = false;

    static void cell(void* data, std::size_t length, void* self) {
        auto& c = *static_cast<Collector*>(self);
        std::string_view text(data ? static_cast<const char*>(data) : "", data ? length : 0);
        if (escapedForSpreadsheet(text))
            text.remove_prefix(1);
        c.row.emplace_back(text);
    }
    static void endOfRow(int, void* self) {
        auto& c = *static_cast<Collector*>(self);
        c.rows.push_back(std::move(c.row));
        c.row.clear();
    }
    bool full() const { return firstOnly ? !rows.empty() : rows.size() > maxRows; }
};

struct ParserDeleter {
    void operator()(csv_parser* parser) const {
        csv_free(parser);
        delete parser;
    }
};

// Feeds the text in blocks so that a row limit stops the work early.
void parse(std::string_view text, char separator, Collector& collector) {
    std::unique_ptr<csv_parser, ParserDeleter> parser(new csv_parser);
    if (csv_init(parser.get(), CSV_STRICT | CSV_STRICT_FINI) != 0) {
        delete parser.release();
        throw std::bad_alloc();
    }
    csv_set_delim(parser.get(), static_cast<unsigned char>(separator));
    csv_set_space_func(parser.get(), noSpaces);
    constexpr std::size_t kBlock = 1 << 16;
    for (std::size_t at = 0; at < text.size() && !collector.full(); at += kBlock) {
        const std::string_view block = text.substr(at, kBlock);
        if (csv_parse(parser.get(), block.data(), block.size(), Collector::cell,
                      Collector::endOfRow, &collector) != block.size()) {
            if (csv_error(parser.get()) == CSV_ENOMEM)
                throw std::bad_alloc();
            throw CsvSyntaxError(static_cast<int>(collector.rows.size()) + 1,
                                 "кавычки расставлены неверно (ячейку с разделителем, кавычкой "
                                 "или переводом строки берут в кавычки, а кавычку внутри неё "
                                 "удваивают)");
        }
    }
    if (!collector.full() &&
        csv_fini(parser.get(), Collector::cell, Collector::endOfRow, &collector) != 0)
        throw CsvSyntaxError(static_cast<int>(collector.rows.size()) + 1,
                             "кавычка ячейки не закрыта до конца файла");
}

bool needsQuotes(const std::string& cell, char separator) {
    return cell.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string::npos ||
           (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
}

} // namespace

std::string_view withoutByteOrderMark(std::string_view text) {
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    return text;
}

char detectSeparator(std::string_view bytes,
                     const std::function<bool(std::string_view)>& isKnownName) {
    const std::string text = decodeSpreadsheetText(bytes).text;
    const auto knownNames = [&](char separator) {
        Collector collector;
        collector.firstOnly = true;
        try {
            parse(text, separator, collector);
        } catch (const CsvSyntaxError&) {
            // A damaged first row is reported by the full read.
        }
        int known = 0;
        if (!collector.rows.empty())
            for (const std::string& name : collector.rows.front())
                known += isKnownName(name) ? 1 : 0;
        return known;
    };
    // The first of these that splits off the most names wins.
    char best = ';';
    int bestKnown = knownNames(best);
    for (const char separator : {',', '\t'}) {
        const int known = knownNames(separator);
        if (known > bestKnown) {
            best = separator;
            bestKnown = known;
        }
    }
    return best;
}

std::vector<CsvRow> readCsv(std::string_view bytes, char separator, std::size_t maxRows) {
    Collector collector;
    collector.maxRows = maxRows;
    parse(decodeSpreadsheetText(bytes).text, separator, collector);
    if (collector.rows.size() > maxRows)
        throw CsvSyntaxError(static_cast<int>(maxRows) + 1,
                             "строк больше " + std::to_string(maxRows));
    return std::move(collector.rows);
}

std::string csvLine(const CsvRow& cells, char separator) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += separator;
        const std::string cell = asSpreadsheetText(cells[i]);
        if (!needsQuotes(cell, separator)) {
            line += cell;
            continue;
        }
        // Each quote doubled, the whole in quotes.
        std::string quoted(csv_write(nullptr, 0, cell.data(), cell.size()), '\0');
        csv_write(quoted.data(), quoted.size(), cell.data(), cell.size());
        line += quoted;
    }
    line += "\r\n";
    return line;
}

} // namespace kavro
