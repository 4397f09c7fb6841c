// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "radio_group_box.h"

#include <QGridLayout>

namespace kavro::window {

RadioGroupBox::RadioGroupBox(const QString& name, const QStringList& captions, int columns,
                             QWidget* parent)
    : QGroupBox(parent) {
    setObjectName(name);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 2, 4, 2);
    grid->setSpacing(0);
    const int perColumn = (static_cast<int>(captions.size()) + columns - 1) / columns;
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions.at(i), this);
        button->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
        button->setAccessibleName(captions.at(i));
        grid->addWidget(button, i % perColumn, i / perColumn);
        connect(button, &QRadioButton::clicked, this, [this, i] { emit itemClicked(i); });
        buttons_.push_back(button);
    }
    for (int c = 0; c < columns; ++c)
        grid->setColumnStretch(c, 1);
}

void RadioGroupBox::setChoice(int index) {
    for (int i = 0; i < count(); ++i) {
        QRadioButton* b = button(i);
        if (b->isChecked() == (i == index))
            continue;
        // An exclusive button cannot be unchecked directly.
        b->setAutoExclusive(false);
        b->setChecked(i == index);
        b->setAutoExclusive(true);
    }
}

QWidget* RadioGroupBox::focusTarget() const {
    for (QRadioButton* b : buttons_)
        if (b->isChecked() && b->isEnabled())
            return b;
    for (QRadioButton* b : buttons_)
        if (b->isEnabled())
            return b;
    return nullptr;
}

} // namespace kavro::window
