// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/state/field.h"

#include <array>
#include <optional>
#include <string_view>

namespace kavro {

// The columns of the openings spreadsheet: one per input, in the order the
// export writes them (an import takes them in any order).
enum class OpeningColumn {
    Location,
    Count,
    Profile,
    ProfileType,
    Thickness,
    SpecificWeight,
    Shaft,
    Height,
    Width,
    EndProfile,
    Mounting,
    Control,
    Fixing,
    Crank,
    Drive,
    Accessories,
};
inline constexpr int kOpeningColumnCount = static_cast<int>(OpeningColumn::Accessories) + 1;

// The column names as the first row carries them: an input's caption with
// its unit ("Высота полотна, мм").
std::string_view columnName(OpeningColumn column);
// The input a column holds; none for the location, the count, the drive and
// the accessories.
std::optional<Field> inputOf(OpeningColumn column);
std::optional<OpeningColumn> columnByName(std::string_view name);

// The results the export writes after the inputs, as the window shows them.
// An import accepts these columns and ignores them: results are always
// worked out again from the inputs.
inline constexpr std::array<std::string_view, 8> kResultColumnNames = {
    "Общая масса, кг", "Вращающий момент, Нм", "Количество оборотов",  "Макс. диаметр, мм",
    "Время работы",    "Скорость, об/мин",     "Наименование привода", "Предупреждение",
};
bool isResultColumn(std::string_view name);

// The parts list's columns.
inline constexpr std::array<std::string_view, 4> kPartsListColumnNames = {"Артикул", "Наименование",
                                                                          "Количество", "Проёмы"};

// The crank's flag as a cell holds it.
inline constexpr std::string_view kYes = "да";
inline constexpr std::string_view kNo = "нет";

} // namespace kavro
