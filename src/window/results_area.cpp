// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results_area.h"

#include "caption_label.h"
#include "field_line_edit.h"

namespace kavro::window {

namespace {

struct ResultRow {
    Field field;
    const char* labelName;
    const char* caption;
    int labelTop;
    int top;
    const char* unitName; // nullptr: no unit
    const char* unit;
};

// Every result field is 121 × 23 at x = 700; tops in client pixels.
constexpr int kFieldLeft = 700;
constexpr QSize kFieldSize(121, 23);
constexpr int kUnitLeft = 824;

const ResultRow kRows[] = {
    {Field::FullMassa, "Label19", "Общая масса:", 104, 104, "Label20", "кг"},
    {Field::Moment, "Label5", "Вращающий момент:", 133, 136, "Label13", "Нм"},
    {Field::MaxDiametr, "Label10", "Макс. диаметр вала со свернутым полотном:", 168, 168, "Label16",
     "мм"},
    {Field::Oboroti, "Label15", "Количество оборотов:", 200, 200, nullptr, nullptr},
    {Field::Vremya, "Label17", "Время работы:", 232, 232, nullptr, nullptr},
    {Field::Speed, "Label23", "Скорость вращения:", 264, 264, "Label24", "об./мин"},
};

const QRect kWarningPlace(374, 296, 505, 19);

} // namespace

ResultsArea::ResultsArea(QWidget* window, const WindowFonts& fonts, FieldWidgets& widgets) {
    for (const ResultRow& row : kRows) {
        auto* result = new FieldLineEdit(window);
        result->setGeometry(QRect(QPoint(kFieldLeft, row.top), kFieldSize));
        result->setFont(fonts.field);
        widgets.add(row.field, result);

        labelField(window, result,
                   {row.labelName,
                    row.caption,
                    {kLabelEnd, row.labelTop},
                    row.unitName,
                    row.unit,
                    {kUnitLeft, row.top}},
                   fonts.label);
    }

    auto* warning = new QLabel(window);
    warning->setGeometry(kWarningPlace);
    warning->setFont(fonts.label);
    QPalette red = warning->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    warning->setPalette(red);
    widgets.add(Field::Label27, warning);
}

} // namespace kavro::window
