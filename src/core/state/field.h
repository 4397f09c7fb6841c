// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

namespace kavro {

// Every named control of the window that the logic or the user acts on.
enum class Field {
    Profil,
    TipProfilya,
    Montazh,
    Diametr,
    Tolwina,
    Visota,
    Wirina,
    Massa,
    NizhniyProfil,
    Upravlenie,
    Kreplenie,
    NHK,
    FullMassa,
    Moment,
    MaxDiametr,
    Oboroti,
    Vremya,
    Speed,
    Label27,
    TabControl1,
    Spisok,
    SpisokAcc,
    Button1,
    Label30,
    Label31,
};

inline constexpr int kFieldCount = static_cast<int>(Field::Label31) + 1;

std::string_view fieldName(Field field);

// The kind of control that a field is.
enum class FieldKind {
    DropDown,
    RadioGroup,
    CheckBox,
    EditField,
    Label,
    TabControl,
    TextGrid,
    PushButton
};
FieldKind fieldKind(Field field);
std::optional<Field> fieldByName(std::string_view name);

} // namespace kavro
