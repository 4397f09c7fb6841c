// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inputs_area.h"

#include "caption_label.h"
#include "core/form/window_layout.h"
#include "field_line_edit.h"
#include "form_geometry.h"
#include "qt_text.h"
#include "radio_group_box.h"

#include <QCheckBox>
#include <QComboBox>

namespace kavro::window {

namespace {

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
    for (const form::LabelledField& row : form::inputFields()) {
        QWidget* input = makeInput(window, row.field);
        input->setGeometry(toQRect(row.place));
        input->setFont(fonts.field);
        widgets.add(row.field, input);

        labelField(window, input, fieldLabels(row), fonts.label);
    }

    for (const form::GroupPlace& g : form::radioGroups()) {
        const auto& state = static_cast<const RadioGroup&>(form.control(g.field));
        auto* group =
            new RadioGroupBox(toQString(fieldName(g.field)), captions(state), g.columns, window);
        group->setGeometry(toQRect(g.place));
        group->setFont(fonts.label);
        widgets.add(g.field, group);
    }

    auto* crank = new QCheckBox(window);
    crank->setGeometry(toQRect(form::kCrankPlace));
    crank->setFont(fonts.label);
    widgets.add(Field::NHK, crank);
}

} // namespace kavro::window
