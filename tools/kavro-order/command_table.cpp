// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_table.h"

#include "commands.h"

#include <algorithm>
#include <vector>

namespace kavro::cli {

namespace {

using O = OutputOption;

// A new command is one more row (and its run function).
constexpr Command kCommands[] = {
    {"import", "ТАБЛИЦА.csv -o ЗАКАЗ.kavro [--title ТЕКСТ]",
     "прочитать проёмы из таблицы (CSV, текст или книга .xlsx)\n"
     "и записать заказ; без --title заголовком становится имя\n"
     "таблицы без расширения",
     O::Required, true, false, false, runImport},
    {"check", "ЗАКАЗ.kavro", "рассчитать проёмы и вывести таблицу результатов", O::None, false,
     false, false, runCheck},
    {"export", "ЗАКАЗ.kavro -o ТАБЛИЦА.csv",
     "записать проёмы с результатами расчёта в таблицу;\n"
     "с расширением .xlsx — книгой Excel",
     O::Required, false, false, false, runExport},
    {"bom", "ЗАКАЗ.kavro [-o ВЕДОМОСТЬ.csv]",
     "записать ведомость комплектующих (без -o: CSV в\n"
     "стандартный вывод; .xlsx — книгой Excel)",
     O::Optional, false, false, false, runBom},
    {"report", "ЗАКАЗ.kavro -o ОТЧЁТ.docx [--firm РЕКВИЗИТЫ.json]",
     "записать отчёт по заказу; вид отчёта задаёт расширение:\n"
     ".docx (документ Word) или .pdf",
     O::Required, false, true, false, runReport},
    {"quote",
     "ЗАКАЗ.kavro -o ПРЕДЛОЖЕНИЕ.pdf [--prices ПРАЙС.csv]\n"
     "[--firm РЕКВИЗИТЫ.json]",
     "записать коммерческое предложение: комплектующие по\n"
     "ценам прайс-листа, монтаж, итог, скидка заказа, НДС и\n"
     "сумма прописью; вид задаёт расширение: .pdf, .docx,\n"
     ".csv или .xlsx. Если у какого-то артикула нет цены,\n"
     "файл записывается с пометкой «нет цены», а команда\n"
     "завершается с кодом 1 и называет эти артикулы",
     O::Required, false, true, true, runQuote},
    {"push", "ЗАКАЗ.kavro --server URL --login ЛОГИН",
     "отправить заказ на сервер фирмы и вывести его id;\n"
     "заказ, полученный с сервера, обновляется там, а не\n"
     "добавляется заново",
     O::None, false, false, false, runServerCommand, true},
    {"pull", "ID --server URL --login ЛОГИН -o ЗАКАЗ.kavro", "получить заказ с сервера фирмы",
     O::Required, false, false, false, runServerCommand, true},
    {"orders", "--server URL --login ЛОГИН", "вывести заказы фирмы: id, ревизию и заголовок",
     O::None, false, false, false, runServerCommand, true, false},
};

} // namespace

std::span<const Command> commands() {
    return kCommands;
}

const Command* commandNamed(std::string_view name) {
    const auto* command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                       [&](const Command& c) { return c.name == name; });
    return command == std::end(kCommands) ? nullptr : command;
}

std::string commandsTaking(bool Command::*option) {
    std::vector<std::string_view> names;
    for (const Command& command : kCommands)
        if (command.*option)
            names.push_back(command.name);
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list += (i == 0 ? "" : i + 1 == names.size() ? " и " : ", ") + std::string(names[i]);
    return (names.size() == 1 ? "команды " : "команд ") + list;
}

} // namespace kavro::cli
