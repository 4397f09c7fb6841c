// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "openings_import.h"

#include "choice_captions.h"
#include "core/order/order.h"
#include "core/order/order_limits.h"
#include "core/text/utf8.h"
#include "csv_table.h"
#include "opening_columns.h"
#include "order_file.h"
#include "profile_types.h"
#include "text_rules.h"

#include <algorithm>
#include <array>
#include <optional>

namespace kavro {

namespace {

// The number columns with no catalogue value to check against, and the
// choice columns.
constexpr std::array<OpeningColumn, 4> kNumberColumns = {
    OpeningColumn::Shaft, OpeningColumn::Height, OpeningColumn::Width, OpeningColumn::EndProfile};
constexpr std::array<OpeningColumn, 3> kChoiceColumns = {
    OpeningColumn::Mounting, OpeningColumn::Control, OpeningColumn::Fixing};

// The input row of a column that holds one.
const OpeningInput& inputRow(OpeningColumn column) {
    return openingInput(*inputOf(column));
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// A number as the window takes it: digits with at most one decimal comma.
bool isWindowNumber(std::string_view text) {
    return !text.empty() && std::count(text.begin(), text.end(), ',') <= 1 &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ',' || (c >= '0' && c <= '9'); });
}

// A cell's text inside a message: valid UTF-8 whatever the cell held, and
// cut short, so that a message stays one readable line.
std::string inQuotes(std::string_view text) {
    constexpr std::size_t kShown = 60;
    std::string shown = utf8::sanitize(text.substr(0, utf8::offsetOf(text, kShown)));
    if (shown.size() < text.size())
        shown += "…";
    std::replace_if(
        shown.begin(), shown.end(), [](char c) { return c >= 0 && c < 0x20; }, ' ');
    return "«" + shown + "»";
}

std::string listed(std::span<const std::string> captions) {
    std::string list;
    for (const std::string& caption : captions)
        list += (list.empty() ? "" : ", ") + inQuotes(caption);
    return list;
}

// Reads one row into an opening, reporting every bad cell.
class RowReader {
public:
    RowReader(const ProfileTypes& profiles, int row, std::vector<CsvCellError>& errors)
        : profiles_(profiles), row_(row), errors_(errors) {}

    // The cell of each column, empty where the column is missing, and the
    // sheet column each stands in (0 where missing).
    Opening read(const std::array<std::string_view, kOpeningColumnCount>& cells,
                 const std::array<int, kOpeningColumnCount>& sheetColumns) {
        cells_ = &cells;
        sheetColumns_ = &sheetColumns;
        Opening opening;
        readLocation(opening);
        readCount(opening);
        readProfile(opening.inputs);
        for (const OpeningColumn column : kNumberColumns)
            readNumber(column, opening.inputs.*std::get<InputText>(inputRow(column).member));
        for (const OpeningColumn column : kChoiceColumns)
            readChoice(column, opening.inputs);
        readCrank(opening.inputs);
        readDrive(opening);
        readAccessories(opening);
        return opening;
    }

private:
    std::string_view cell(OpeningColumn column) const {
        return (*cells_)[static_cast<std::size_t>(column)];
    }
    // Free text keeps its spaces; every other cell is read without them.
    std::string_view value(OpeningColumn column) const { return trimmed(cell(column)); }

    void fault(OpeningColumn column, std::string message) {
        errors_.push_back({row_, std::string(columnName(column)), std::move(message),
                           (*sheetColumns_)[static_cast<std::size_t>(column)]});
    }

    bool checkText(OpeningColumn column, std::string_view text) {
        if (const auto problem = textFault(text)) {
            fault(column, *problem);
            return false;
        }
        return true;
    }

    void readLocation(Opening& opening) {
        if (checkText(OpeningColumn::Location, cell(OpeningColumn::Location)))
            opening.location = cell(OpeningColumn::Location);
    }

    void readCount(Opening& opening) {
        const std::string_view text = value(OpeningColumn::Count);
        if (text.empty())
            return;
        if (const auto count = wholeNumberText(text, Opening::kMinCount, Opening::kMaxCount))
            opening.count = *count;
        else
            fault(OpeningColumn::Count,
                  inQuotes(text) + ": нужно целое число " + openingCountRange());
    }

    void readNumber(OpeningColumn column, std::string& target) {
        const std::string_view text = value(column);
        if (text.empty())
            return;
        if (!isWindowNumber(text) || !checkText(column, text))
            fault(column, inQuotes(text) + ": нужно число из цифр и не более одной запятой");
        else
            target = text;
    }

    void readProfile(OpeningInputs& inputs) {
        const std::string_view maker = value(OpeningColumn::Profile);
        if (!maker.empty()) {
            if (std::find(profiles_.makers().begin(), profiles_.makers().end(), maker) ==
                profiles_.makers().end()) {
                fault(OpeningColumn::Profile,
                      "нет профиля " + inQuotes(maker) + "; есть " + listed(profiles_.makers()));
                return;
            }
            inputs.profile = maker;
        }
        const std::string_view typeName = value(OpeningColumn::ProfileType);
        const ProfileTypes::Type* type = nullptr;
        if (!typeName.empty()) {
            type = profiles_.find(inputs.profile, typeName);
            if (!type) {
                fault(OpeningColumn::ProfileType,
                      profiles_.typesOf(inputs.profile).empty()
                          ? "у профиля " + inQuotes(inputs.profile) + " нет типов"
                          : "у профиля " + inQuotes(inputs.profile) + " нет типа " +
                                inQuotes(typeName));
                return;
            }
            inputs.profileType = typeName;
        }
        readProfileNumber(OpeningColumn::Thickness, inputs.thickness,
                          type ? &type->thickness : nullptr, typeName);
        readProfileNumber(OpeningColumn::SpecificWeight, inputs.specificWeight,
                          type ? &type->specificWeight : nullptr, typeName);
    }

    // A thickness or specific weight: the user's own, or, with a profile
    // type, the catalogue's, which the window puts in and which a cell may
    // only repeat.
    void readProfileNumber(OpeningColumn column, std::string& target,
                           const std::string* fromCatalogue, std::string_view typeName) {
        if (!fromCatalogue) {
            readNumber(column, target);
            return;
        }
        const std::string_view text = value(column);
        if (!text.empty() && text != *fromCatalogue)
            fault(column, inQuotes(text) + ": у типа " + inQuotes(typeName) + " это " +
                              inQuotes(*fromCatalogue) + " (задаётся каталогом)");
        target = *fromCatalogue;
    }

    void readChoice(OpeningColumn column, OpeningInputs& inputs) {
        const std::string_view text = value(column);
        if (text.empty())
            return;
        const OpeningInput& input = inputRow(column);
        if (const auto index = choiceByCaption(input.field, text))
            inputs.*std::get<InputItem>(input.member) = *index;
        else
            fault(column,
                  "нет выбора " + inQuotes(text) + "; есть " + listed(choiceCaptions(input.field)));
    }

    void readCrank(OpeningInputs& inputs) {
        const std::string_view text = value(OpeningColumn::Crank);
        static constexpr std::array<std::string_view, 3> kYeses = {"да", "Да", "ДА"};
        static constexpr std::array<std::string_view, 3> kNos = {"нет", "Нет", "НЕТ"};
        if (std::find(kYeses.begin(), kYeses.end(), text) != kYeses.end())
            inputs.crank = true;
        else if (!text.empty() && std::find(kNos.begin(), kNos.end(), text) == kNos.end())
            fault(OpeningColumn::Crank, inQuotes(text) + ": нужно «да» или «нет»");
    }

    void readDrive(Opening& opening) {
        const std::string_view text = value(OpeningColumn::Drive);
        if (checkText(OpeningColumn::Drive, text))
            opening.drive = text;
    }

    // "ARTICLE:QTY ARTICLE:QTY", any number of spaces between pairs.
    void readAccessories(Opening& opening) {
        std::string_view rest = value(OpeningColumn::Accessories);
        if (!checkText(OpeningColumn::Accessories, rest))
            return;
        while (!(rest = trimmed(rest)).empty()) {
            const std::size_t end = std::min(rest.find(' '), rest.size());
            readAccessory(rest.substr(0, end), opening.accessories);
            rest.remove_prefix(end);
        }
    }

    void readAccessory(std::string_view pair, std::vector<AccessoryQuantity>& accessories) {
        const std::size_t colon = pair.rfind(':');
        const std::string_view article =
            pair.substr(0, colon == std::string_view::npos ? 0 : colon);
        if (colon == std::string_view::npos || article.empty()) {
            fault(OpeningColumn::Accessories,
                  inQuotes(pair) + ": нужно АРТИКУЛ:КОЛИЧЕСТВО, например 4200001:2");
            return;
        }
        const auto quantity =
            wholeNumberText(pair.substr(colon + 1), 0, Opening::kMaxAccessoryQuantity);
        if (!quantity) {
            fault(OpeningColumn::Accessories, inQuotes(pair) +
                                                  ": количество должно быть целым числом " +
                                                  accessoryQuantityRange());
            return;
        }
        if (std::any_of(accessories.begin(), accessories.end(),
                        [&](const AccessoryQuantity& a) { return a.article == article; })) {
            fault(OpeningColumn::Accessories, "артикул " + inQuotes(article) + " указан дважды");
            return;
        }
        accessories.push_back({std::string(article), *quantity});
    }

    const ProfileTypes& profiles_;
    int row_;
    std::vector<CsvCellError>& errors_;
    const std::array<std::string_view, kOpeningColumnCount>* cells_ = nullptr;
    const std::array<int, kOpeningColumnCount>* sheetColumns_ = nullptr;
};

// The window's profile lists never change while the program runs; read once.
const ProfileTypes& profileTypes() {
    static const ProfileTypes types;
    return types;
}

bool isKnownName(std::string_view name) {
    name = trimmed(name);
    return columnByName(name) || isResultColumn(name);
}

// The input column of each cell of a row, nothing for the result columns
// (which an import ignores); reports unknown and repeated names.
std::vector<std::optional<OpeningColumn>> readHeader(const CsvRow& names,
                                                     std::vector<CsvCellError>& errors) {
    std::vector<std::optional<OpeningColumn>> columns;
    std::vector<std::string_view> seen;
    for (const std::string& cell : names) {
        const std::string_view name = trimmed(cell);
        const int sheetColumn = static_cast<int>(columns.size()) + 1;
        if (std::find(seen.begin(), seen.end(), name) != seen.end())
            errors.push_back({1, {}, inQuotes(name) + ": столбец назван дважды", sheetColumn});
        else if (!isKnownName(name))
            errors.push_back({1,
                              {},
                              inQuotes(name) + ": неизвестный столбец (опечатка в названии?)",
                              sheetColumn});
        seen.push_back(name);
        columns.push_back(columnByName(name));
    }
    return columns;
}

bool isBlank(const CsvRow& row) {
    return std::all_of(row.begin(), row.end(),
                       [](const std::string& cell) { return trimmed(cell).empty(); });
}

} // namespace

std::string describe(const CsvCellError& error) {
    std::string text;
    if (error.row > 0)
        text = "строка " + std::to_string(error.row);
    if (!error.column.empty())
        text += (text.empty() ? "" : ", ") + std::string("столбец «") + error.column + "»";
    return text.empty() ? error.message : text + ": " + error.message;
}

std::string cellAddress(int row, int sheetColumn) {
    if (row <= 0 || sheetColumn <= 0)
        return {};
    std::string letters;
    for (int n = sheetColumn; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters + std::to_string(row);
}

std::string describeCell(const CsvCellError& error) {
    const std::string address = cellAddress(error.row, error.sheetColumn);
    if (address.empty())
        return describe(error);
    std::string text = "ячейка " + address;
    if (!error.column.empty())
        text += ", столбец «" + error.column + "»";
    return text + ": " + error.message;
}

std::string describeFault(const OpeningsImport& import, const CsvCellError& error) {
    return import.cellAddresses ? describeCell(error) : describe(error);
}

OpeningsImport importOpenings(std::string_view text) {
    OpeningsImport result;
    if (text.size() > OrderFile::kMaxBytes) {
        result.errors.push_back({0, {}, "файл больше 64 МиБ"});
        return result;
    }
    try {
        return importOpeningRows(
            readCsv(text, detectSeparator(text, isKnownName), Order::kMaxOpenings + 1));
    } catch (const CsvSyntaxError& error) {
        result.errors.push_back({error.row(), {}, error.what()});
        return result;
    }
}

OpeningsImport importOpeningRows(const std::vector<CsvRow>& rows) {
    OpeningsImport result;
    if (rows.size() > Order::kMaxOpenings + 1) {
        result.errors.push_back({static_cast<int>(Order::kMaxOpenings) + 2,
                                 {},
                                 "строк больше " + std::to_string(Order::kMaxOpenings + 1)});
        return result;
    }
    if (rows.empty()) {
        result.errors.push_back({0, {}, "файл пуст: нет строки с названиями столбцов"});
        return result;
    }
    const std::vector<std::optional<OpeningColumn>> columns =
        readHeader(rows.front(), result.errors);
    if (!result.errors.empty())
        return result;

    std::array<int, kOpeningColumnCount> sheetColumns{};
    for (std::size_t c = 0; c < columns.size(); ++c)
        if (columns[c])
            sheetColumns[static_cast<std::size_t>(*columns[c])] = static_cast<int>(c) + 1;

    const ProfileTypes& profiles = profileTypes();
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const int rowNumber = static_cast<int>(r) + 1;
        const CsvRow& row = rows[r];
        if (isBlank(row))
            continue;
        std::array<std::string_view, kOpeningColumnCount> cells{};
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c >= columns.size()) {
                if (!trimmed(row[c]).empty())
                    result.errors.push_back(
                        {rowNumber,
                         {},
                         "ячейка " + std::to_string(c + 1) + " правее последнего столбца",
                         static_cast<int>(c) + 1});
            } else if (columns[c]) {
                cells[static_cast<std::size_t>(*columns[c])] = row[c];
            }
        }
        result.openings.push_back(
            RowReader(profiles, rowNumber, result.errors).read(cells, sheetColumns));
        result.rows.push_back(rowNumber);
    }
    if (!result.errors.empty()) {
        result.openings.clear();
        result.rows.clear();
    }
    return result;
}

bool looksLikeWorkbook(std::string_view bytes) {
    return bytes.starts_with(std::string_view("PK\x03\x04", 4));
}

} // namespace kavro
