// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results_area.h"

#include "caption_label.h"
#include "core/form/window_layout.h"
#include "field_line_edit.h"
#include "form_geometry.h"

namespace kavro::window {

ResultsArea::ResultsArea(QWidget* window, const WindowFonts& fonts, FieldWidgets& widgets) {
    for (const form::LabelledField& row : form::resultFields()) {
        auto* result = new FieldLineEdit(window);
        result->setGeometry(toQRect(row.place));
        result->setFont(fonts.field);
        widgets.add(row.field, result);

        labelField(window, result, fieldLabels(row), fonts.label);
    }

    auto* warning = new QLabel(window);
    warning->setGeometry(toQRect(form::kWarningPlace));
    warning->setFont(fonts.label);
    QPalette red = warning->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    warning->setPalette(red);
    widgets.add(Field::Label27, warning);
}

} // namespace kavro::window
