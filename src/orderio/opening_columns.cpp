// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "opening_columns.h"

#include "core/form/opening_inputs.h"

#include <algorithm>
#include <string>

namespace kavro {

namespace {

using C = OpeningColumn;

// The input of each column, in the columns' order.
constexpr std::array<std::optional<Field>, kOpeningColumnCount> kInputs = {
    std::nullopt,     std::nullopt,         Field::Profil,  Field::TipProfilya,
    Field::Tolwina,   Field::Massa,         Field::Diametr, Field::Visota,
    Field::Wirina,    Field::NizhniyProfil, Field::Montazh, Field::Upravlenie,
    Field::Kreplenie, Field::NHK,           std::nullopt,   std::nullopt,
};

// The opening's own columns, which hold no input of the window.
std::string_view ownName(OpeningColumn column) {
    switch (column) {
    case C::Location:
        return "Проём";
    case C::Count:
        return "Количество";
    case C::Drive:
        return "Привод";
    default:
        return "Аксессуары";
    }
}

const std::array<std::string, kOpeningColumnCount>& names() {
    static const std::array<std::string, kOpeningColumnCount> names = [] {
        std::array<std::string, kOpeningColumnCount> made;
        for (int i = 0; i < kOpeningColumnCount; ++i) {
            const auto column = static_cast<OpeningColumn>(i);
            const std::optional<Field> input = inputOf(column);
            made[static_cast<std::size_t>(i)] =
                input ? captionWithUnit(openingInput(*input)) : std::string(ownName(column));
        }
        return made;
    }();
    return names;
}

} // namespace

std::string_view columnName(OpeningColumn column) {
    return names()[static_cast<std::size_t>(column)];
}

std::optional<Field> inputOf(OpeningColumn column) {
    return kInputs[static_cast<std::size_t>(column)];
}

std::optional<OpeningColumn> columnByName(std::string_view name) {
    const auto it = std::find(names().begin(), names().end(), name);
    if (it == names().end())
        return std::nullopt;
    return static_cast<OpeningColumn>(it - names().begin());
}

bool isResultColumn(std::string_view name) {
    return std::find(kResultColumnNames.begin(), kResultColumnNames.end(), name) !=
           kResultColumnNames.end();
}

} // namespace kavro
