// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xlsx_sheet.h"

#include "core/text/utf8.h"
#include "xlsx_number.h"
#include "zip/zip_archive.h"

#include <algorithm>
#include <map>
#include <optional>
#include <pugixml.hpp>
#include <set>

namespace kavro {

namespace {

// A sheet of nothing but bad cells is refused long before they all are
// listed: nobody reads more.
constexpr std::size_t kMaxFaults = 1000;

// A workbook of openings or prices is some hundred kilobytes: far bigger
// ones are refused before anything is unpacked, so that a small file which
// unpacks to gigabytes (a zip bomb) costs neither memory nor time.
constexpr std::size_t kMaxWorkbookBytes = 10u << 20;
constexpr std::uint64_t kMaxWorkbookUnpacked = 100u << 20;

constexpr std::string_view kDamaged = "файл не является книгой Excel (.xlsx) или повреждён";

std::string lowerAscii(std::string_view s) {
    std::string lower(s);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : char(c); });
    return lower;
}

// An element's name without its namespace prefix: workbooks are written
// with the main namespace as the default one or under a prefix ("x:c").
std::string_view localName(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node child(const pugi::xml_node& node, std::string_view name) {
    for (const pugi::xml_node c : node.children())
        if (localName(c) == name)
            return c;
    return {};
}

// The value of an attribute by its local name ("r:id" for "id").
std::string_view attribute(const pugi::xml_node& node, std::string_view name) {
    for (const pugi::xml_attribute a : node.attributes()) {
        const std::string_view full = a.name();
        const std::size_t colon = full.rfind(':');
        if ((colon == std::string_view::npos ? full : full.substr(colon + 1)) == name)
            return a.value();
    }
    return {};
}

// The archive's parts by name, compared without case as package names are.
class Package {
public:
    explicit Package(std::vector<ZipEntry> entries) {
        for (ZipEntry& entry : entries)
            parts_.emplace(lowerAscii(entry.name), std::move(entry.bytes));
    }

    std::optional<pugi::xml_document> xml(const std::string& name) const {
        const auto it = parts_.find(lowerAscii(name));
        if (it == parts_.end())
            return std::nullopt;
        std::optional<pugi::xml_document> doc(std::in_place);
        if (!doc->load_buffer(it->second.data(), it->second.size(), pugi::parse_default))
            return std::nullopt;
        return doc;
    }

    // The target of each relationship of part `name`, by id and by type's
    // last word ("sharedStrings"), as part names.
    struct Relationships {
        std::map<std::string, std::string, std::less<>> byId;
        std::map<std::string, std::string, std::less<>> byType;
    };
    Relationships relationships(const std::string& name) const {
        const std::size_t slash = name.rfind('/');
        const std::string folder = slash == std::string::npos ? "" : name.substr(0, slash + 1);
        Relationships result;
        const auto doc = xml(folder + "_rels/" + name.substr(folder.size()) + ".rels");
        if (!doc)
            return result;
        for (const pugi::xml_node r : child(*doc, "Relationships").children()) {
            if (localName(r) != "Relationship")
                continue;
            const std::string target = resolve(folder, attribute(r, "Target"));
            const std::string_view type = attribute(r, "Type");
            result.byId.emplace(attribute(r, "Id"), target);
            result.byType.emplace(type.substr(type.rfind('/') + 1), target);
        }
        return result;
    }

private:
    // A target relative to the part's folder, or from the package's root.
    static std::string resolve(const std::string& folder, std::string_view target) {
        std::string path =
            target.starts_with('/') ? std::string(target.substr(1)) : folder + std::string(target);
        std::vector<std::string> kept;
        for (std::size_t at = 0; at <= path.size();) {
            const std::size_t end = std::min(path.find('/', at), path.size());
            const std::string step = path.substr(at, end - at);
            if (step == "..") {
                if (!kept.empty())
                    kept.pop_back();
            } else if (!step.empty() && step != ".") {
                kept.push_back(step);
            }
            at = end + 1;
        }
        std::string joined;
        for (const std::string& step : kept)
            joined += (joined.empty() ? "" : "/") + step;
        return joined;
    }

    std::map<std::string, std::string> parts_;
};

// The text of a string item: its <t>, or its runs' <t> in order (phonetic
// guides left out).
std::string itemText(const pugi::xml_node& item) {
    std::string text;
    for (const pugi::xml_node part : item.children()) {
        if (localName(part) == "t")
            text += part.text().get();
        else if (localName(part) == "r")
            text += child(part, "t").text().get();
    }
    return text;
}

std::vector<std::string> sharedStrings(const Package& package, const std::string& part) {
    std::vector<std::string> strings;
    if (part.empty())
        return strings;
    if (const auto doc = package.xml(part))
        for (const pugi::xml_node si : child(*doc, "sst").children())
            if (localName(si) == "si")
                strings.push_back(itemText(si));
    return strings;
}

// Format codes show a date or a time where they hold a day, month, year,
// hour or second outside quoted text, escapes and [colour] brackets.
bool isDateCode(std::string_view code) {
    bool quoted = false;
    int bracket = 0;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == '\\' || c == '_' || c == '*')
            ++i; // the next character is shown or fills, not a code
        else if (c == '[')
            ++bracket;
        else if (c == ']')
            bracket = std::max(bracket - 1, 0);
        else if (bracket == 0 && std::string_view("dDmMyYhHsS").find(c) != std::string_view::npos)
            return true;
    }
    return false;
}

bool isBuiltInDateFormat(unsigned id) {
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
           (id >= 50 && id <= 58);
}

// For each cell style (the s attribute), whether it shows a date.
std::vector<bool> dateStyles(const Package& package, const std::string& part) {
    std::vector<bool> dates;
    if (part.empty())
        return dates;
    const auto doc = package.xml(part);
    if (!doc)
        return dates;
    const pugi::xml_node styleSheet = child(*doc, "styleSheet");
    std::set<unsigned> dateCodes;
    for (const pugi::xml_node f : child(styleSheet, "numFmts").children())
        if (isDateCode(attribute(f, "formatCode")))
            dateCodes.insert(f.attribute("numFmtId").as_uint());
    for (const pugi::xml_node xf : child(styleSheet, "cellXfs").children()) {
        const unsigned id = xf.attribute("numFmtId").as_uint();
        dates.push_back(isBuiltInDateFormat(id) || dateCodes.contains(id));
    }
    return dates;
}

// "B7" as column 2, row 7; nothing for anything else.
std::optional<std::pair<std::size_t, std::size_t>> parseAddress(std::string_view r) {
    std::size_t column = 0;
    std::size_t at = 0;
    for (; at < r.size() && r[at] >= 'A' && r[at] <= 'Z' && at < 3; ++at)
        column = column * 26 + static_cast<std::size_t>(r[at] - 'A' + 1);
    std::size_t row = 0;
    const std::size_t digitsAt = at;
    for (; at < r.size() && r[at] >= '0' && r[at] <= '9' && at - digitsAt < 7; ++at)
        row = row * 10 + static_cast<std::size_t>(r[at] - '0');
    if (column == 0 || row == 0 || at != r.size())
        return std::nullopt;
    return std::pair{row, column};
}

class SheetReader {
public:
    SheetReader(const SheetLimits& limits, std::vector<std::string> strings,
                std::vector<bool> dates)
        : limits_(limits), strings_(std::move(strings)), dates_(std::move(dates)) {}

    SheetRows read(const pugi::xml_node& sheetData) {
        std::size_t rowNumber = 0;
        for (const pugi::xml_node row : sheetData.children()) {
            if (localName(row) != "row")
                continue;
            const std::size_t stated = row.attribute("r").as_uint();
            rowNumber = stated > rowNumber ? stated : rowNumber + 1;
            std::size_t column = 0;
            for (const pugi::xml_node cell : row.children()) {
                if (localName(cell) != "c")
                    continue;
                const auto address = parseAddress(attribute(cell, "r"));
                if (address && address->first != rowNumber)
                    return wholeFile(kDamaged);
                column = address ? address->second : column + 1;
                if (!readCell(cell, rowNumber, column))
                    return refused();
            }
        }
        return result_.errors.empty() ? std::move(result_) : refused();
    }

private:
    // A sheet with a fault gives no rows at all: half a table is no table.
    SheetRows refused() {
        result_.rows.clear();
        return std::move(result_);
    }

    SheetRows wholeFile(std::string_view message) { return {{}, {{0, {}, std::string(message)}}}; }

    void fault(std::size_t row, std::size_t column, std::string message) {
        if (result_.errors.size() >= kMaxFaults)
            return;
        result_.errors.push_back(
            {static_cast<int>(row), {}, std::move(message), static_cast<int>(column)});
    }

    // The text of a cell; nothing after a fault was noted.
    std::optional<std::string> value(const pugi::xml_node& cell, std::size_t row,
                                     std::size_t column) {
        const std::string_view type = attribute(cell, "t");
        const pugi::xml_node v = child(cell, "v");
        const std::string_view stored = v.text().get();
        if (type == "inlineStr")
            return itemText(child(cell, "is"));
        if (child(cell, "f") && !v)
            return fault(row, column, "формула без вычисленного значения (пересчитайте книгу)"),
                   std::nullopt;
        if (!v)
            return std::string();
        if (type == "s") {
            const std::size_t index = v.text().as_uint(strings_.size());
            if (index >= strings_.size())
                return fault(row, column, std::string(kDamaged)), std::nullopt;
            return strings_[index];
        }
        if (type == "str")
            return std::string(stored);
        if (type == "b" && (stored == "0" || stored == "1"))
            return std::string(stored == "1" ? "да" : "нет");
        if (type == "e")
            return fault(row, column,
                         "ошибка в ячейке «" + utf8::sanitize(stored.substr(0, 16)) + "»"),
                   std::nullopt;
        if (type == "d")
            return fault(row, column, "дата: нужно число или текст"), std::nullopt;
        if (!type.empty() && type != "n")
            return fault(row, column, "ячейка такого вида не читается"), std::nullopt;
        const std::size_t style = cell.attribute("s").as_uint();
        if (style < dates_.size() && dates_[style])
            return fault(row, column, "дата или время: нужно число или текст"), std::nullopt;
        if (auto text = numberCellText(stored, limits_.textLength))
            return text;
        return fault(row, column,
                     "число «" + utf8::sanitize(stored.substr(0, 24)) +
                         "» не поместится в поле (до " + std::to_string(limits_.textLength) +
                         " знаков)"),
               std::nullopt;
    }

    // False when reading must stop: the sheet is beyond the limits.
    bool readCell(const pugi::xml_node& cell, std::size_t row, std::size_t column) {
        std::optional<std::string> text = value(cell, row, column);
        if (!text || text->empty())
            return true;
        if (row > limits_.rows) {
            fault(row, column, "строк больше " + std::to_string(limits_.rows));
            return false;
        }
        if (column > limits_.columns) {
            fault(row, column, "столбцов больше " + std::to_string(limits_.columns));
            return false;
        }
        if (result_.rows.size() < row) {
            result_.rows.resize(row);
        }
        CsvRow& cells = result_.rows[row - 1];
        if (cells.size() < column) {
            cells_ += column - cells.size();
            if (cells_ > limits_.cells) {
                fault(row, column, "ячеек больше " + std::to_string(limits_.cells));
                return false;
            }
            cells.resize(column);
        }
        // A workbook's texts are UTF-8; a damaged one's other bytes must not
        // reach an order, a price list or a message (the page's JSON refuses
        // them), so they read as U+FFFD.
        cells[column - 1] = utf8::sanitize(*text);
        return true;
    }

    const SheetLimits& limits_;
    std::vector<std::string> strings_;
    std::vector<bool> dates_;
    SheetRows result_;
    std::size_t cells_ = 0;
};

std::string found(const std::map<std::string, std::string, std::less<>>& map,
                  std::string_view key) {
    const auto it = map.find(key);
    return it == map.end() ? std::string() : it->second;
}

// Why the workbook cannot be read at all; nothing when it can.
std::optional<std::string> tooBig(std::string_view bytes) {
    if (bytes.size() > kMaxWorkbookBytes)
        return "книга больше 10 МБ: такие не читаются";
    if (declaredUnpackedBytes(bytes).value_or(0) > kMaxWorkbookUnpacked)
        return "книга распаковывается больше чем в 100 МБ: такие не читаются";
    return std::nullopt;
}

} // namespace

SheetRows readFirstWorksheet(std::string_view bytes, const SheetLimits& limits) {
    if (std::optional<std::string> fault = tooBig(bytes))
        return {{}, {{0, {}, std::move(*fault)}}};
    std::optional<std::vector<ZipEntry>> entries =
        readZip(bytes, ZipLimits{.unpackedBytes = kMaxWorkbookUnpacked});
    if (!entries)
        return {{}, {{0, {}, std::string(kDamaged)}}};
    const Package package(std::move(*entries));
    std::string workbookPart = found(package.relationships("").byType, "officeDocument");
    if (workbookPart.empty())
        workbookPart = "xl/workbook.xml";
    const auto workbook = package.xml(workbookPart);
    if (!workbook)
        return {{}, {{0, {}, std::string(kDamaged)}}};
    const pugi::xml_node firstSheet = child(child(child(*workbook, "workbook"), "sheets"), "sheet");
    const Package::Relationships rels = package.relationships(workbookPart);
    const auto sheet = package.xml(found(rels.byId, attribute(firstSheet, "id")));
    const pugi::xml_node sheetData =
        sheet ? child(child(*sheet, "worksheet"), "sheetData") : pugi::xml_node();
    if (!sheetData)
        return {{}, {{0, {}, "в книге нет листа с ячейками"}}};
    SheetReader reader(limits, sharedStrings(package, found(rels.byType, "sharedStrings")),
                       dateStyles(package, found(rels.byType, "styles")));
    return reader.read(sheetData);
}

} // namespace kavro
