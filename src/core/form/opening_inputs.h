// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../state/field.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace kavro {

class WindowState;

// The text an input starts with in a started window (see OpeningInput).
std::string_view initialText(Field field);

// What the installer enters for one opening, as the window holds it: the
// texts of the fields and drop-downs, the chosen items of the radio groups,
// the crank's flag. Applied to a fresh window through the user's own actions,
// these give back exactly the screen they were taken from. A new one holds
// the window's own values once it has started.
struct OpeningInputs {
    std::string profile{initialText(Field::Profil)};
    std::string profileType{initialText(Field::TipProfilya)}; // empty for an own profile
    std::string shaft{initialText(Field::Diametr)};
    std::string thickness{initialText(Field::Tolwina)};        // mm
    std::string height{initialText(Field::Visota)};            // mm
    std::string width{initialText(Field::Wirina)};             // mm
    std::string specificWeight{initialText(Field::Massa)};     // kg/m2
    std::string endProfile{initialText(Field::NizhniyProfil)}; // kg per running metre
    int mounting = 0;                                          // Montazh item
    int control = 0;                                           // Upravlenie item
    int fixing = 0;                                            // Kreplenie item
    bool crank = false;                                        // NHK checked

    bool operator==(const OpeningInputs&) const = default;
};

// Where an input is held: a text, the chosen item of a radio group, or the
// crank's flag.
using InputText = std::string OpeningInputs::*;
using InputItem = int OpeningInputs::*;
using InputFlag = bool OpeningInputs::*;

// One input of an opening and every name it goes by. Captions are base texts
// ("Высота полотна"): each place that shows one adds its own punctuation and
// the unit.
struct OpeningInput {
    Field field;
    std::variant<InputText, InputItem, InputFlag> member;
    std::string_view key;     // in the order file
    std::string_view caption; // the window's, the spreadsheet's and the report's
    std::string_view unit;    // empty: the value is shown bare
    // The single report's own words where they differ from the above (its
    // paper was laid out before the spreadsheet); empty: the same.
    std::string_view reportCaption;
    std::string_view reportUnit;
    // A text's value as the started window shows it; choices start at their
    // first item and the flag unchecked.
    std::string_view initial;
};

// Every input, in the order the order file writes them.
std::span<const OpeningInput> openingInputs();
// The row of `field`; std::out_of_range for a field that is no input.
const OpeningInput& openingInput(Field field);

// "Высота полотна, мм", as a spreadsheet's column is headed.
std::string captionWithUnit(const OpeningInput& input);

// The inputs `window` holds now.
OpeningInputs capturedInputs(const WindowState& window);

// The captions of a radio group as the window shows them.
std::span<const std::string> choiceCaptions(Field radioGroup);
// The caption of item `index` of a radio group; empty for an index the group
// lacks.
std::string choiceCaption(Field radioGroup, int index);

} // namespace kavro
