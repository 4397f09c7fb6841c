// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inputs_area.h"

#include "caption_label.h"
#include "field_line_edit.h"
#include "qt_text.h"
#include "radio_group_box.h"

#include <QCheckBox>
#include <QComboBox>

namespace kavro::window {

namespace {

struct InputRow {
    Field field;
    const char* labelName;
    const char* caption;
    int labelTop;
    QRect place;
    const char* unitName; // nullptr: no unit
    const char* unit;
    int unitTop;
};

// Places in client pixels: left, top, width, height.
const InputRow kRows[] = {
    {Field::Profil, "Label6", "Профиль:", 16, {148, 16, 185, 23}, nullptr, nullptr, 0},
    {Field::TipProfilya, "Label14", "Тип профиля:", 49, {148, 48, 185, 23}, nullptr, nullptr, 0},
    {Field::Diametr, "Label4", "Диаметр вала:", 160, {148, 160, 121, 23}, "Label12", "мм", 160},
    {Field::Tolwina,
     "ProfilName",
     "Толщина профиля:",
     192,
     {147, 195, 121, 23},
     "Label7",
     "мм",
     192},
    {Field::Visota, "Label2", "Высота полотна:", 224, {148, 227, 121, 23}, "Label8", "мм", 224},
    {Field::Wirina, "Label1", "Ширина полотна:", 253, {148, 256, 121, 23}, "Label9", "мм", 256},
    {Field::Massa, "Label3", "Удельный вес:", 288, {148, 288, 121, 23}, "Label11", "кг/м2", 288},
    {Field::NizhniyProfil,
     "Label21",
     "Профиль концевой:",
     320,
     {148, 320, 121, 23},
     "Label18",
     "кг/п.м.",
     320},
};

// Unit labels stand three pixels right of the fields.
constexpr int kUnitLeft = 272;

struct GroupPlace {
    Field field;
    QRect place;
    int columns;
};

const GroupPlace kGroups[] = {
    {Field::Montazh, {36, 88, 297, 49}, 2},
    {Field::Upravlenie, {44, 360, 297, 41}, 2},
    {Field::Kreplenie, {44, 416, 297, 89}, 1},
};

const QRect kCrankPlace(44, 520, 201, 17);

QWidget* makeInput(QWidget* window, Field field) {
    if (field == Field::Profil || field == Field::TipProfilya)
        return new QComboBox(window); // pick-only lists
    if (field == Field::Diametr) {
        auto* combo = new QComboBox(window);
        auto* text = new FieldLineEdit(combo);
        text->setObjectName(QStringLiteral("DiametrText"));
        combo->setLineEdit(text);
        // The state decides what the text and the chosen item are: no
        // completion, no items added on Return.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        return combo;
    }
    return new FieldLineEdit(window);
}

QStringList captions(const RadioGroup& group) {
    QStringList list;
    for (const std::string& item : group.items())
        list << toQString(item);
    return list;
}

} // namespace

InputsArea::InputsArea(QWidget* window, const WindowFonts& fonts, const TForm1& form,
                       FieldWidgets& widgets) {
    for (const InputRow& row : kRows) {
        QWidget* input = makeInput(window, row.field);
        input->setGeometry(row.place);
        input->setFont(fonts.field);
        widgets.add(row.field, input);

        labelField(window, input,
                   {row.labelName,
                    row.caption,
                    {kLabelEnd, row.labelTop},
                    row.unitName,
                    row.unit,
                    {kUnitLeft, row.unitTop}},
                   fonts.label);
    }

    for (const GroupPlace& g : kGroups) {
        const auto& state = static_cast<const RadioGroup&>(form.control(g.field));
        auto* group =
            new RadioGroupBox(toQString(fieldName(g.field)), captions(state), g.columns, window);
        group->setGeometry(g.place);
        group->setFont(fonts.label);
        widgets.add(g.field, group);
    }

    auto* crank = new QCheckBox(window);
    crank->setGeometry(kCrankPlace);
    crank->setFont(fonts.label);
    widgets.add(Field::NHK, crank);
}

} // namespace kavro::window
