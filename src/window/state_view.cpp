// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state_view.h"

#include "field_grid.h"
#include "field_line_edit.h"
#include "qt_text.h"
#include "radio_group_box.h"
#include "text_positions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

namespace kavro::window {

StateView::StateView(TForm1& form, const FieldWidgets& widgets) : form_(form), widgets_(widgets) {
    form_.setChangeListener([this](Field field) { markChanged(field); });
}

StateView::~StateView() {
    form_.setChangeListener({});
}

void StateView::flush() {
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        if (!pending_.test(i))
            continue;
        pending_.reset(i);
        show(static_cast<Field>(i));
    }
}

void StateView::show(Field field) {
    const Control& state = form_.control(field);
    switch (fieldKind(field)) {
    case FieldKind::DropDown:
        return showDropDown(static_cast<const DropDown&>(state));
    case FieldKind::RadioGroup:
        return showRadioGroup(static_cast<const RadioGroup&>(state));
    case FieldKind::CheckBox:
        return showCheckBox(static_cast<const CheckBox&>(state));
    case FieldKind::EditField:
        return showEdit(static_cast<const EditField&>(state));
    case FieldKind::Label:
        return showLabel(static_cast<const Label&>(state));
    case FieldKind::TabControl:
        return showTabs(static_cast<const TabControl&>(state));
    case FieldKind::TextGrid:
        return showGrid(static_cast<const TextGrid&>(state));
    case FieldKind::PushButton:
        return showButton(static_cast<const PushButton&>(state));
    }
}

void StateView::showEdit(const EditField& state) {
    auto* edit = widgets_.get<FieldLineEdit>(state.id());
    const QSignalBlocker blocker(edit);
    const QString text = toQString(state.text());
    if (edit->text() != text)
        edit->setText(text);
    edit->setReadOnly(state.readOnly());
    edit->setEnabled(state.enabled());
}

void StateView::showDropDown(const DropDown& state) {
    auto* combo = widgets_.get<QComboBox>(state.id());
    const QSignalBlocker blocker(combo);
    const QSignalBlocker editBlocker(combo->lineEdit());

    const auto& items = state.items();
    bool sameItems = combo->count() == static_cast<int>(items.size());
    for (int i = 0; sameItems && i < combo->count(); ++i)
        sameItems = combo->itemText(i) == toQString(items[static_cast<std::size_t>(i)]);
    if (!sameItems) {
        combo->clear();
        for (const std::string& item : items)
            combo->addItem(toQString(item));
    }
    if (combo->currentIndex() != state.itemIndex())
        combo->setCurrentIndex(state.itemIndex());

    const QString text = toQString(state.text());
    if (QLineEdit* edit = combo->lineEdit()) {
        if (edit->text() != text)
            edit->setText(text);
    } else {
        // A pick-only list shows its chosen item; a text that names no item
        // is shown in the empty box all the same.
        combo->setPlaceholderText(state.itemIndex() < 0 ? text : QString());
    }
    combo->setEnabled(state.enabled());
}

void StateView::showRadioGroup(const RadioGroup& state) {
    auto* group = widgets_.get<RadioGroupBox>(state.id());
    const QSignalBlocker blocker(group);
    for (int i = 0; i < group->count(); ++i) {
        const QSignalBlocker buttonBlocker(group->button(i));
        group->button(i)->setEnabled(state.itemEnabled(i));
    }
    group->setChoice(state.itemIndex());
}

void StateView::showCheckBox(const CheckBox& state) {
    auto* box = widgets_.get<QCheckBox>(state.id());
    const QSignalBlocker blocker(box);
    box->setText(toQString(state.caption()));
    box->setChecked(state.checked());
    box->setEnabled(state.enabled());
}

void StateView::showLabel(const Label& state) {
    auto* label = widgets_.get<QLabel>(state.id());
    label->setText(toQString(state.caption()));
    label->setVisible(state.visible());
}

void StateView::showTabs(const TabControl& state) {
    auto* tabs = widgets_.get<QTabWidget>(state.id());
    const QSignalBlocker blocker(tabs);
    for (int i = 0; i < tabs->count() && i < static_cast<int>(state.tabs().size()); ++i)
        tabs->setTabText(i, toQString(state.tabs()[static_cast<std::size_t>(i)]));
    if (tabs->currentIndex() != state.tabIndex())
        tabs->setCurrentIndex(state.tabIndex());
}

void StateView::showGrid(const TextGrid& state) {
    auto* grid = widgets_.get<FieldGrid>(state.id());
    const QSignalBlocker blocker(grid);
    grid->showRows(state.rows());
    grid->showCurrent(state.currentColumn(), state.currentRow());
    grid->setVisible(state.visible());
}

void StateView::showButton(const PushButton& state) {
    widgets_.get<QPushButton>(state.id())->setText(toQString(state.caption()));
}

void StateView::showCaret(Field field) {
    switch (field) {
    case Field::Tolwina:
    case Field::Visota:
    case Field::Wirina:
    case Field::Massa:
    case Field::NizhniyProfil:
        return showCaret(static_cast<const EditField&>(form_.control(field)),
                         widgets_.get<QLineEdit>(field));
    case Field::Diametr:
        return showCaret(form_.Diametr, widgets_.get<QComboBox>(field)->lineEdit());
    default:
        return;
    }
}

void StateView::showCaret(const EditableText& state, QLineEdit* edit) {
    if (!edit || edit->text() != toQString(state.text()))
        return;
    const QString& text = edit->text();
    const int start = utf16Offset(text, state.selectionStart());
    const int end = utf16Offset(text, state.selectionStart() + state.selectionLength());
    const int caret = utf16Offset(text, state.caret());
    const QSignalBlocker blocker(edit);
    if (start == end) {
        if (edit->hasSelectedText() || edit->cursorPosition() != caret)
            edit->setCursorPosition(caret);
        return;
    }
    if (edit->selectionStart() == start && edit->selectionEnd() == end)
        return; // the same range, whichever end the caret is at
    const int anchor = caret == start ? end : start;
    edit->setSelection(anchor, caret - anchor);
}

} // namespace kavro::window
