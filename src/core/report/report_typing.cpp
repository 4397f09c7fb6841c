// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "../platform/word_processor.h"
#include "../tform1.h"

#include <array>
#include <string>
#include <string_view>

namespace kavro {

namespace {

// Each typed text carries its own line break in front, as Enter would.
constexpr std::string_view kNewLine = "\r\n";
constexpr std::string_view kTitle = "Программный продукт \"KAVRO Подбор привода v.1.1\"";
constexpr std::string_view kTableStyle = "Сетка таблицы";
// Preferred widths of the article, name and quantity columns (points); they
// add up to 525 points.
constexpr std::array<double, 3> kColumnWidths = {100, 345, 80};
constexpr std::array<std::string_view, 3> kTableHeader = {"Артикул", "Наименование", "Количество"};
constexpr double kTitleSize = 14; // points
constexpr double kTextSize = 12;  // points
// A hair of spacing around each paragraph (lines) and lines slightly tighter
// than single (points, twelve to a line).
constexpr double kParagraphSpacing = 0.01;
constexpr double kLineSpacing = 11;

std::string line(std::string_view text) {
    return std::string(kNewLine) + std::string(text);
}

// Types the report of one window into a word processor. It holds the window
// read-only: the report changes nothing of the state it describes.
class ReportTyping {
public:
    ReportTyping(const WindowState& window, int selectedRow, WordProcessor& word)
        : window_(window), selectedRow_(selectedRow), word_(word) {}

    void run() {
        openDocument();
        title();
        inputData();
        results();
        driveTable();
        accessoryTable();
        word_.handOver();
    }

private:
    void openDocument() {
        try {
            word_.openTemplate();
        } catch (const WordProcessorError&) {
            word_.addDocument(); // no template: the report goes into a blank document
        }
    }

    void title() {
        word_.setAlignment(Alignment::Center);
        word_.setBold(true);
        word_.setFontSize(kTitleSize);
        word_.typeText(std::string(kTitle));
        word_.typeText(line(" "));
    }

    void inputData() {
        word_.setFontSize(kTextSize);
        word_.setBold(true);
        word_.typeText(line("Начальные данные"));
        // The body text below is left-aligned and set close.
        word_.setAlignment(Alignment::Left);
        word_.setLineUnitAfter(kParagraphSpacing);
        word_.setLineUnitBefore(kParagraphSpacing);
        word_.setLineSpacing(kLineSpacing);
        word_.setFontSize(kTextSize);
        word_.setBold(false);

        const WindowState& w = window_;
        word_.typeText(
            line("Профиль:  " + w.Profil.text() + "     Тип профиля:  " + w.TipProfilya.text()));
        word_.typeText(line("Монтаж:  " + w.Montazh.chosenCaption()));
        word_.typeText(line("Диаметр вала:  " + w.Diametr.text() + " мм"));
        word_.typeText(line("Толщина профиля:  " + w.Tolwina.text() + " мм"));
        word_.typeText(line("Высота полотна:  " + w.Visota.text() + " мм"));
        word_.typeText(line("Ширина полотна:  " + w.Wirina.text() + " мм"));
        word_.typeText(line("Удельный вес:  " + w.Massa.text() + " кг/м2"));
        word_.typeText(line("Профиль концевой:  " + w.NizhniyProfil.text() + " кг"));
        word_.typeText(line("Управление:  " + w.Upravlenie.chosenCaption()));
        word_.typeText(line("Способ крепления профиля к валу:  " + w.Kreplenie.chosenCaption()));
        word_.typeText(
            line(w.NHK.checked() ? "Аварийный подъем NHK:  Есть" : "Аварийный подъем NHK:  Нет"));
    }

    void results() {
        heading("Данные расчета");
        const WindowState& w = window_;
        word_.typeText(line("Общая масса:  " + w.FullMassa.text() + " кг"));
        word_.typeText(line("Вращающий момент:  " + w.Moment.text() + " Нм"));
        word_.typeText(line(
            "Максимальный диаметр вала со свернутым полотном:  " + w.MaxDiametr.text() + " мм"));
        // Turns and speed are bare numbers; the time text carries its own units.
        word_.typeText(line("Количество оборотов:  " + w.Oboroti.text()));
        word_.typeText(line("Скорость вращения:  " + w.Speed.text()));
        word_.typeText(line("Время работы:  " + w.Vremya.text()));
    }

    void driveTable() {
        heading("Рекомендуемый к установке привод");
        word_.typeText(line(" "));
        const int table = newTable();
        word_.addRow(table);
        itemRow(table, 2, window_.Spisok, selectedRow_);
    }

    void accessoryTable() {
        word_.moveToEnd(); // behind the drive table
        word_.setAlignment(Alignment::Left);
        heading("Аксессуары");
        word_.typeText(line(" "));
        const int table = newTable();
        const TextGrid& accessories = window_.SpisokAcc;
        for (int row = 1; row < accessories.rowCount(); ++row) {
            word_.addRow(table);
            itemRow(table, row + 1, accessories, row);
        }
    }

    // An empty line, then a bold heading; the text after it is regular.
    void heading(std::string_view text) {
        word_.typeText(line(" "));
        word_.setBold(true);
        word_.typeText(line(text));
        word_.setBold(false);
    }

    // A one-row table at the insertion point, styled, sized and headed.
    int newTable() {
        const int table = word_.addTable(1, 3);
        word_.setTableStyle(table, std::string(kTableStyle));
        for (int column = 1; column <= 3; ++column)
            word_.setPreferredWidth(table, column, kColumnWidths[column - 1]);
        for (int column = 1; column <= 3; ++column) {
            word_.setCellBold(table, 1, column, false);
            word_.setCellText(table, 1, column, std::string(kTableHeader[column - 1]));
            word_.setCellAlignment(table, 1, column, Alignment::Center);
        }
        return table;
    }

    // Article number (centred) and name (left) of one grid row; the quantity
    // stays for the installer to fill in.
    void itemRow(int table, int tableRow, const TextGrid& grid, int gridRow) {
        word_.setCellAlignment(table, tableRow, 1, Alignment::Center);
        word_.setCellText(table, tableRow, 1, grid.cell(0, gridRow));
        word_.setCellAlignment(table, tableRow, 2, Alignment::Left);
        word_.setCellText(table, tableRow, 2, grid.cell(1, gridRow));
    }

    const WindowState& window_;
    int selectedRow_;
    WordProcessor& word_;
};

} // namespace

// Types the printable report of the window and the chosen drive into a word
// processor and leaves the document to the user. A word processor that is
// missing or refuses a call ends the report silently; only a finished report
// that cannot be handed over is shown to the user.
void TForm1::Button1Click() {
    traced("Button1Click");
    WordProcessorLauncher* launcher = services_.wordProcessor;
    if (!launcher)
        return;
    try {
        const std::unique_ptr<WordProcessor> word = launcher->launch();
        if (word)
            ReportTyping(*this, VybrannayaStroka, *word).run();
    } catch (const ReportNotDelivered&) {
        throw;
    } catch (const std::exception&) {
        // The report ends where the word processor refused.
    }
}

} // namespace kavro
