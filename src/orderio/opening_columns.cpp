// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "opening_columns.h"

#include <algorithm>

namespace kavro {

namespace {

constexpr std::array<std::string_view, kOpeningColumnCount> kNames = {
    "Проём",
    "Количество",
    "Профиль",
    "Тип профиля",
    "Толщина профиля, мм",
    "Удельный вес, кг/м2",
    "Диаметр вала, мм",
    "Высота полотна, мм",
    "Ширина полотна, мм",
    "Профиль концевой, кг/п.м.",
    "Монтаж",
    "Управление",
    "Крепление",
    "Аварийный подъем NHK",
    "Привод",
    "Аксессуары",
};

} // namespace

std::string_view columnName(OpeningColumn column) {
    return kNames[static_cast<std::size_t>(column)];
}

std::optional<OpeningColumn> columnByName(std::string_view name) {
    const auto it = std::find(kNames.begin(), kNames.end(), name);
    if (it == kNames.end())
        return std::nullopt;
    return static_cast<OpeningColumn>(it - kNames.begin());
}

bool isResultColumn(std::string_view name) {
    return std::find(kResultColumnNames.begin(), kResultColumnNames.end(), name) !=
           kResultColumnNames.end();
}

} // namespace kavro
