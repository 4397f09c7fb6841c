// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_layout.h"

#include "../state/maker_details.h"
#include "opening_inputs.h"

#include <vector>

namespace kavro::form {

namespace {

// Unit labels stand three pixels right of the fields.
constexpr int kInputUnitLeft = 272;
constexpr int kResultUnitLeft = 824;

// An input's row: its caption (ending on kInputCaptionEnd at `captionTop`)
// and its unit label are the opening's input's own words.
LabelledField input(Field field, const char* captionName, int captionTop, Rect place,
                    const char* unitName = nullptr, int unitTop = 0) {
    const OpeningInput& words = openingInput(field);
    return {field,
            captionName,
            std::string(words.caption) + ":",
            {kInputCaptionEnd, captionTop},
            place,
            unitName,
            std::string(unitName ? words.unit : ""),
            unitName ? Point{kInputUnitLeft, unitTop} : Point{}};
}

const std::vector<LabelledField>& inputRows() {
    static const std::vector<LabelledField> rows = {
        input(Field::Profil, "Label6", 16, {148, 16, 185, 23}),
        input(Field::TipProfilya, "Label14", 49, {148, 48, 185, 23}),
        input(Field::Diametr, "Label4", 160, {148, 160, 121, 23}, "Label12", 160),
        input(Field::Tolwina, "ProfilName", 192, {147, 195, 121, 23}, "Label7", 192),
        input(Field::Visota, "Label2", 224, {148, 227, 121, 23}, "Label8", 224),
        input(Field::Wirina, "Label1", 253, {148, 256, 121, 23}, "Label9", 256),
        input(Field::Massa, "Label3", 288, {148, 288, 121, 23}, "Label11", 288),
        input(Field::NizhniyProfil, "Label21", 320, {148, 320, 121, 23}, "Label18", 320),
    };
    return rows;
}

// Every result field is 121 × 23 at x = 700.
constexpr Rect resultPlace(int top) {
    return {700, top, 121, 23};
}

// Texts of their own: the results are no opening's inputs.
const std::vector<LabelledField>& resultRows() {
    static const std::vector<LabelledField> rows = {
        {Field::FullMassa,
         "Label19",
         "Общая масса:",
         {kResultCaptionEnd, 104},
         resultPlace(104),
         "Label20",
         "кг",
         {kResultUnitLeft, 104}},
        {Field::Moment,
         "Label5",
         "Вращающий момент:",
         {kResultCaptionEnd, 133},
         resultPlace(136),
         "Label13",
         "Нм",
         {kResultUnitLeft, 136}},
        {Field::MaxDiametr,
         "Label10",
         "Макс. диаметр вала со свернутым полотном:",
         {kResultCaptionEnd, 168},
         resultPlace(168),
         "Label16",
         "мм",
         {kResultUnitLeft, 168}},
        {Field::Oboroti,
         "Label15",
         "Количество оборотов:",
         {kResultCaptionEnd, 200},
         resultPlace(200),
         nullptr,
         {},
         {}},
        {Field::Vremya,
         "Label17",
         "Время работы:",
         {kResultCaptionEnd, 232},
         resultPlace(232),
         nullptr,
         {},
         {}},
        {Field::Speed,
         "Label23",
         "Скорость вращения:",
         {kResultCaptionEnd, 264},
         resultPlace(264),
         "Label24",
         "об./мин",
         {kResultUnitLeft, 264}},
    };
    return rows;
}

const GroupPlace kGroups[] = {
    {Field::Montazh, {36, 88, 297, 49}, 2},
    {Field::Upravlenie, {44, 360, 297, 41}, 2},
    {Field::Kreplenie, {44, 416, 297, 89}, 1},
};

const HeaderLine kHeader[] = {
    {"Label22", maker::kCompany, 10},
    {"Label25", maker::kAddress, 29},
    {"Label26", maker::kTelephone, 48},
};

constexpr Field kFocusOrder[] = {
    Field::Profil,    Field::TipProfilya, Field::Montazh, Field::Diametr,       Field::Tolwina,
    Field::Visota,    Field::Wirina,      Field::Massa,   Field::NizhniyProfil, Field::Upravlenie,
    Field::Kreplenie, Field::NHK,         Field::Moment,  Field::MaxDiametr,    Field::Oboroti,
    Field::Vremya,    Field::FullMassa,   Field::Speed,   Field::Button1,       Field::TabControl1,
};

const int kDriveColumns[] = {61, 126, 53, 60, 68, 71, 69};
const int kAccessoryColumns[] = {61, 438};

} // namespace

std::span<const Field> focusOrder() {
    return kFocusOrder;
}

std::span<const LabelledField> inputFields() {
    return inputRows();
}

std::span<const LabelledField> resultFields() {
    return resultRows();
}

std::span<const GroupPlace> radioGroups() {
    return kGroups;
}

std::span<const HeaderLine> headerLines() {
    return kHeader;
}

std::span<const int> driveColumns() {
    return kDriveColumns;
}

std::span<const int> accessoryColumns() {
    return kAccessoryColumns;
}

} // namespace kavro::form
