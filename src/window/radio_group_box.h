// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>
#include <vector>

namespace kavro::window {

// A framed group of radio items in columns, filled column by column. A click
// on an item is reported, not acted on: the choice shown is the one set with
// setChoice.
class RadioGroupBox : public QGroupBox {
    Q_OBJECT
public:
    // Items are named NAME_0, NAME_1, ... after the group's `name`.
    RadioGroupBox(const QString& name, const QStringList& captions, int columns,
                  QWidget* parent = nullptr);

    int count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

    // Checks item `index`; -1 checks none.
    void setChoice(int index);
    // The item that the focus goes to: the checked one, else the first enabled.
    QWidget* focusTarget() const;

signals:
    void itemClicked(int index);

private:
    std::vector<QRadioButton*> buttons_;
};

} // namespace kavro::window
