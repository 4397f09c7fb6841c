// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help_text.h"

#include "about/about_options.h"
#include "command_table.h"
#include "core/text/utf8.h"
#include "orderio/opening_columns.h"

#include <sstream>

namespace kavro::cli {

namespace {

// Description lines stand under the usage, indented this far.
constexpr std::string_view kIndent = "                 ";
// The column list is wrapped to lines of at most this many characters.
constexpr std::size_t kWidth = 72;

constexpr std::string_view kAbout = R"(Usage: kavro-order КОМАНДА ФАЙЛ [ПАРАМЕТРЫ]
Заказы калькулятора KAVRO без окна: проёмы из таблицы, их расчёт,
ведомость комплектующих, отчёт и коммерческое предложение.

)";

constexpr std::string_view kOptions = R"(Параметры:
  -o, --output=ФАЙЛ  куда записать результат
      --title=ТЕКСТ  заголовок заказа (заказчик или адрес)
      --firm=ФАЙЛ    реквизиты организации для шапки отчёта; без него —
                     сохранённые в ~/.config/kavro/firm.json, если есть
      --prices=ФАЙЛ  прайс-лист (столбцы Артикул, Цена, руб. и, по желанию,
                     Наименование; CSV, текст или книга .xlsx); без него —
                     сохранённый окном в ~/.config/kavro/prices.csv, если
                     есть
      --server=URL   сервер фирмы, http://ХОСТ:ПОРТ или https://ХОСТ:ПОРТ
                     (сертификат проверяется по системным центрам и по
                     файлу PEM из KAVRO_CA_FILE, если он задан)
      --login=ЛОГИН  логин на сервере; пароль берётся из KAVRO_PASSWORD
                     или спрашивается в терминале, а при заданной
                     KAVRO_TOKEN вместо входа используется этот токен
  -h, --help         показать эту справку и выйти
      --version      показать версию и выйти

)";

constexpr std::string_view kColumnsIntro =
    "Таблица проёмов: одна строка на проём, первая строка называет столбцы\n"
    "(в любом порядке):";

constexpr std::string_view kAfterColumns =
    R"(Разделитель ;, , или табуляция (определяется сам); кодировка UTF-8 (с
меткой BOM или без неё), UTF-16 с меткой («Текст Юникод» Excel) или
Windows-1251. В книге .xlsx читается первый лист; место ошибки —
адрес ячейки (B7); даты и ячейки с ошибкой не принимаются.
Выбор пишется как в окне («Уличный», «Радио KVL»), подъём NHK — «да» или
«нет», числа — цифрами с одной десятичной запятой, аксессуары — парами
АРТИКУЛ:КОЛИЧЕСТВО через пробел. Пустая ячейка или отсутствующий столбец
дают значение, с которого начинает окно.

Файлы записываются целиком или не записываются вовсе. Ошибки выводятся
в стандартный поток ошибок как ФАЙЛ:СТРОКА: сообщение.

Коды завершения:
  0  команда выполнена
  1  команда не выполнена (ошибка в файле, ошибка записи), check
     нашёл замечание к проёму, или в предложении quote нет цены
     какого-то артикула
  2  неверная командная строка
  3  сервер фирмы не принял вход (логин, пароль или токен)
  4  сервер фирмы отказал в заказе (причина выводится)
  5  сервер фирмы недоступен
)";

// `text` with every line after the first indented under the usage.
std::string indented(std::string_view text) {
    std::string out;
    for (const char c : text) {
        out += c;
        if (c == '\n')
            out += kIndent;
    }
    return out;
}

std::string commandList() {
    std::string list = "Команды:\n";
    for (const Command& command : commands()) {
        list += "  " + std::string(command.name) + " " + indented(command.usage) + "\n";
        list += std::string(kIndent) + indented(command.description) + "\n";
    }
    return list;
}

// The spreadsheet's column names, wrapped at whole names.
std::string columnList() {
    std::string text(kColumnsIntro);
    std::size_t lineStart = text.rfind('\n') + 1;
    for (int column = 0; column < kOpeningColumnCount; ++column) {
        const std::string name(columnName(static_cast<OpeningColumn>(column)));
        const std::string item = name + (column + 1 < kOpeningColumnCount ? "," : ".");
        if (utf8::length(std::string_view(text).substr(lineStart)) + 1 + utf8::length(item) >
            kWidth) {
            text += "\n";
            lineStart = text.size();
        } else {
            text += " ";
        }
        text += item;
    }
    return text + "\n";
}

} // namespace

std::string helpText() {
    return std::string(kAbout) + commandList() + "\n" + std::string(kOptions) + columnList() +
           std::string(kAfterColumns);
}

std::string versionText() {
    std::ostringstream text;
    writeVersion("kavro-order", text);
    return text.str();
}

} // namespace kavro::cli
