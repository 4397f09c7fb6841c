// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "field.h"

#include <array>

namespace kavro {

namespace {

constexpr std::array<std::string_view, kFieldCount> kNames = {
    "Profil",     "TipProfilya",   "Montazh",    "Diametr",   "Tolwina", "Visota",      "Wirina",
    "Massa",      "NizhniyProfil", "Upravlenie", "Kreplenie", "NHK",     "FullMassa",   "Moment",
    "MaxDiametr", "Oboroti",       "Vremya",     "Speed",     "Label27", "TabControl1", "Spisok",
    "SpisokAcc",  "Button1",       "Label30",    "Label31",
};

} // namespace

std::string_view fieldName(Field field) {
    return kNames[static_cast<std::size_t>(field)];
}

FieldKind fieldKind(Field field) {
    switch (field) {
    case Field::Profil:
    case Field::TipProfilya:
    case Field::Diametr:
        return FieldKind::DropDown;
    case Field::Montazh:
    case Field::Upravlenie:
    case Field::Kreplenie:
        return FieldKind::RadioGroup;
    case Field::NHK:
        return FieldKind::CheckBox;
    case Field::Label27:
    case Field::Label30:
    case Field::Label31:
        return FieldKind::Label;
    case Field::TabControl1:
        return FieldKind::TabControl;
    case Field::Spisok:
    case Field::SpisokAcc:
        return FieldKind::TextGrid;
    case Field::Button1:
        return FieldKind::PushButton;
    default:
        return FieldKind::EditField;
    }
}

std::optional<Field> fieldByName(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name)
            return static_cast<Field>(i);
    return std::nullopt;
}

} // namespace kavro
