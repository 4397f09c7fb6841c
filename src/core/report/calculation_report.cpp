// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculation_report.h"

#include <algorithm>
#include <array>

namespace kavro {

namespace {

// Each typed text carries its own line break in front, as Enter would.
constexpr std::string_view kNewLine = "\r\n";
constexpr std::string_view kTitle = "Программный продукт \"KAVRO Подбор привода v.1.1\"";
constexpr std::string_view kTableStyle = "Сетка таблицы";
// Preferred widths of the article, name and quantity columns (points); they
// add up to 525 points.
constexpr std::array<double, 3> kItemWidths = {100, 345, 80};
constexpr std::array<std::string_view, 3> kItemHeader = {"Артикул", "Наименование", "Количество"};
constexpr double kTitleSize = 14;      // points
constexpr double kTextSize = 12;       // points
constexpr double kLetterheadSize = 10; // points
// The logo stands this high above the letterhead (points, about 13 mm); a
// wide one is narrowed to the widest, its height with it.
constexpr double kLogoHeight = 36;
constexpr double kLogoWidest = 240;
// A hair of spacing around each paragraph (lines) and lines slightly tighter
// than single (points, twelve to a line).
constexpr double kParagraphSpacing = 0.01;
constexpr double kLineSpacing = 11;

// The firm's logo in a paragraph of its own. A logo that can no longer be
// read (moved or deleted since it was chosen) is left out: the paper is
// still worth more to the installer than no paper.
void logo(WordProcessor& word, const FirmDetails& firm) {
    const std::optional<Picture> picture =
        firm.logoBytes.empty() ? readPicture(firm.logo) : pictureOf(firm.logoBytes);
    if (!picture)
        return;
    const double ratio = static_cast<double>(picture->width) / picture->height;
    const double width = std::min(kLogoHeight * ratio, kLogoWidest);
    word.insertPicture(*picture, width, width / ratio);
    word.typeText(std::string(kNewLine));
}

// The inputs in the order the report lists them; the profile's type shares
// the profile's line.
constexpr Field kReportedInputs[] = {
    Field::Profil,     Field::Montazh,   Field::Diametr, Field::Tolwina,
    Field::Visota,     Field::Wirina,    Field::Massa,   Field::NizhniyProfil,
    Field::Upravlenie, Field::Kreplenie, Field::NHK};

// "Высота полотна:  2000 мм": the caption, two spaces, the value as the window
// shows it (a choice by its caption, the crank as Есть or Нет), the unit.
std::string inputLine(const OpeningInputs& in, const OpeningInput& input) {
    const std::string_view caption =
        input.reportCaption.empty() ? input.caption : input.reportCaption;
    const std::string_view unit = input.reportUnit.empty() ? input.unit : input.reportUnit;
    std::string text = std::string(caption) + ":  ";
    if (const auto* member = std::get_if<InputText>(&input.member))
        text += in.*(*member);
    else if (const auto* item = std::get_if<InputItem>(&input.member))
        text += choiceCaption(input.field, in.*(*item));
    else
        text += in.*std::get<InputFlag>(input.member) ? "Есть" : "Нет";
    if (!unit.empty())
        text += " " + std::string(unit);
    if (input.field == Field::Profil)
        text += "     " + inputLine(in, openingInput(Field::TipProfilya));
    return text;
}

ReportedItem gridItem(const TextGrid& grid, int row) {
    return ReportedItem{grid.cell(0, row), grid.cell(1, row), std::nullopt};
}

void inputData(WordProcessor& word, const ReportedCalculation& c) {
    using report_typing::line;
    word.setFontSize(kTextSize);
    word.setBold(true);
    word.typeText(line("Начальные данные"));
    // The body text below is left-aligned and set close.
    word.setAlignment(Alignment::Left);
    word.setLineUnitAfter(kParagraphSpacing);
    word.setLineUnitBefore(kParagraphSpacing);
    word.setLineSpacing(kLineSpacing);
    word.setFontSize(kTextSize);
    word.setBold(false);

    for (const Field field : kReportedInputs)
        word.typeText(line(inputLine(c.inputs, openingInput(field))));
}

void results(WordProcessor& word, const ReportedCalculation& c) {
    using report_typing::line;
    report_typing::heading(word, "Данные расчета");
    word.typeText(line("Общая масса:  " + c.mass + " кг"));
    word.typeText(line("Вращающий момент:  " + c.torque + " Нм"));
    word.typeText(line("Максимальный диаметр вала со свернутым полотном:  " + c.maxRoll + " мм"));
    // Turns and speed are bare numbers; the time text carries its own units.
    word.typeText(line("Количество оборотов:  " + c.turns));
    word.typeText(line("Скорость вращения:  " + c.speed));
    word.typeText(line("Время работы:  " + c.time));
}

int itemTable(WordProcessor& word) {
    return report_typing::headedTable(word, kItemHeader, kItemWidths);
}

// Article number (centred) and name (left) of one item, and its quantity
// when it has one.
void itemRow(WordProcessor& word, int table, int row, const ReportedItem& item) {
    word.setCellAlignment(table, row, 1, Alignment::Center);
    word.setCellText(table, row, 1, item.article);
    word.setCellAlignment(table, row, 2, Alignment::Left);
    word.setCellText(table, row, 2, item.name);
    if (item.quantity) {
        word.setCellAlignment(table, row, 3, Alignment::Center);
        word.setCellText(table, row, 3, *item.quantity);
    }
}

void driveTable(WordProcessor& word, const ReportedCalculation& c) {
    report_typing::heading(word, "Рекомендуемый к установке привод");
    word.typeText(report_typing::line(" "));
    const int table = itemTable(word);
    word.addRow(table);
    itemRow(word, table, 2, c.drive);
}

void accessoryTable(WordProcessor& word, const ReportedCalculation& c) {
    word.moveToEnd(); // behind the drive table
    word.setAlignment(Alignment::Left);
    report_typing::heading(word, "Аксессуары");
    word.typeText(report_typing::line(" "));
    const int table = itemTable(word);
    for (std::size_t i = 0; i < c.accessories.size(); ++i) {
        word.addRow(table);
        itemRow(word, table, static_cast<int>(i) + 2, c.accessories[i]);
    }
}

} // namespace

ReportedCalculation reportedWindow(const WindowState& w, int selectedRow) {
    ReportedCalculation c;
    c.inputs = capturedInputs(w);
    c.mass = w.FullMassa.text();
    c.torque = w.Moment.text();
    c.maxRoll = w.MaxDiametr.text();
    c.turns = w.Oboroti.text();
    c.speed = w.Speed.text();
    c.time = w.Vremya.text();
    c.drive = gridItem(w.Spisok, selectedRow);
    for (int row = 1; row < w.SpisokAcc.rowCount(); ++row)
        c.accessories.push_back(gridItem(w.SpisokAcc, row));
    return c;
}

namespace report_typing {

std::string line(std::string_view text) {
    return std::string(kNewLine) + std::string(text);
}

void openDocument(WordProcessor& word, const FirmDetails* firm) {
    const std::vector<std::string> letterhead =
        firm ? letterheadLines(*firm) : std::vector<std::string>{};
    if (!letterhead.empty()) {
        word.addDocument();
        word.setAlignment(Alignment::Center);
        word.setFontSize(kLetterheadSize);
        logo(word, *firm);
        word.setBold(true);
        word.typeText(letterhead.front());
        word.setBold(false);
        for (std::size_t i = 1; i < letterhead.size(); ++i)
            word.typeText(line(letterhead[i]));
        word.typeText(line(" "));
        word.typeText(std::string(kNewLine));
        return;
    }
    try {
        word.openTemplate();
    } catch (const WordProcessorError&) {
        word.addDocument(); // no template: the report goes into a blank document
    }
}

void title(WordProcessor& word) {
    word.setAlignment(Alignment::Center);
    word.setBold(true);
    word.setFontSize(kTitleSize);
    word.typeText(std::string(kTitle));
    word.typeText(line(" "));
}

void heading(WordProcessor& word, std::string_view text) {
    word.typeText(line(" "));
    word.setBold(true);
    word.typeText(line(text));
    word.setBold(false);
}

int headedTable(WordProcessor& word, std::span<const std::string_view> header,
                std::span<const double> widths) {
    const int columns = static_cast<int>(header.size());
    const int table = word.addTable(1, columns);
    word.setTableStyle(table, std::string(kTableStyle));
    for (int column = 1; column <= columns; ++column)
        word.setPreferredWidth(table, column, widths[static_cast<std::size_t>(column - 1)]);
    for (int column = 1; column <= columns; ++column) {
        word.setCellBold(table, 1, column, false);
        word.setCellText(table, 1, column,
                         std::string(header[static_cast<std::size_t>(column - 1)]));
        word.setCellAlignment(table, 1, column, Alignment::Center);
    }
    return table;
}

void calculation(WordProcessor& word, const ReportedCalculation& calc) {
    inputData(word, calc);
    results(word, calc);
    driveTable(word, calc);
    accessoryTable(word, calc);
}

} // namespace report_typing

} // namespace kavro
