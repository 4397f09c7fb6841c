// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "opening_inputs.h"

#include "../state/window_state.h"

#include <algorithm>
#include <stdexcept>

namespace kavro {

namespace {

using I = OpeningInputs;

constexpr OpeningInput kInputs[] = {
    {Field::Profil, &I::profile, "profile", "Профиль", "", "", "", "Другой"},
    {Field::TipProfilya, &I::profileType, "profileType", "Тип профиля", "", "", "", ""},
    {Field::Diametr, &I::shaft, "shaft", "Диаметр вала", "мм", "", "", "40"},
    {Field::Tolwina, &I::thickness, "thickness", "Толщина профиля", "мм", "", "", "2"},
    {Field::Visota, &I::height, "height", "Высота полотна", "мм", "", "", "2000"},
    {Field::Wirina, &I::width, "width", "Ширина полотна", "мм", "", "", "1000"},
    {Field::Massa, &I::specificWeight, "specificWeight", "Удельный вес", "кг/м2", "", "", "1"},
    {Field::NizhniyProfil, &I::endProfile, "endProfile", "Профиль концевой", "кг/п.м.", "", "кг",
     "0,5"},
    {Field::Montazh, &I::mounting, "mounting", "Монтаж", "", "", "", ""},
    {Field::Upravlenie, &I::control, "control", "Управление", "", "", "", ""},
    {Field::Kreplenie, &I::fixing, "fixing", "Крепление", "", "Способ крепления профиля к валу", "",
     ""},
    {Field::NHK, &I::crank, "crank", "Аварийный подъем NHK", "", "", "", ""},
};

} // namespace

std::string_view initialText(Field field) {
    return openingInput(field).initial;
}

std::span<const OpeningInput> openingInputs() {
    return kInputs;
}

const OpeningInput& openingInput(Field field) {
    const auto* row = std::find_if(std::begin(kInputs), std::end(kInputs),
                                   [&](const OpeningInput& input) { return input.field == field; });
    if (row == std::end(kInputs))
        throw std::out_of_range("not an opening's input");
    return *row;
}

std::string captionWithUnit(const OpeningInput& input) {
    std::string caption(input.caption);
    if (!input.unit.empty())
        caption += ", " + std::string(input.unit);
    return caption;
}

namespace {

// A text input's control: a drop-down or an edit field.
const EditableText& textControl(const WindowState& window, Field field) {
    const Control& control = window.control(field);
    if (fieldKind(field) == FieldKind::DropDown)
        return static_cast<const DropDown&>(control);
    return static_cast<const EditField&>(control);
}

} // namespace

OpeningInputs capturedInputs(const WindowState& window) {
    OpeningInputs in;
    for (const OpeningInput& input : kInputs) {
        const Control& control = window.control(input.field);
        if (const auto* text = std::get_if<InputText>(&input.member))
            in.*(*text) = textControl(window, input.field).text();
        else if (const auto* item = std::get_if<InputItem>(&input.member))
            in.*(*item) = static_cast<const RadioGroup&>(control).itemIndex();
        else
            in.*std::get<InputFlag>(input.member) = static_cast<const CheckBox&>(control).checked();
    }
    return in;
}

std::span<const std::string> choiceCaptions(Field radioGroup) {
    // Captions never change, so one window, never touched, answers for all.
    static const WindowState fresh;
    return static_cast<const RadioGroup&>(fresh.control(radioGroup)).items();
}

std::string choiceCaption(Field radioGroup, int index) {
    const std::span<const std::string> items = choiceCaptions(radioGroup);
    if (index < 0 || index >= static_cast<int>(items.size()))
        return {};
    return items[static_cast<std::size_t>(index)];
}

} // namespace kavro
