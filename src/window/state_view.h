// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/tform1.h"
#include "field_widgets.h"

#include <bitset>

class QComboBox;
class QLineEdit;

namespace kavro::window {

// Puts the window state on the widgets. The state reports every changed
// field; the view notes it and, when flushed, shows each noted field once,
// with the widgets' own signals blocked so that showing a change never
// reports it back as a user's action.
class StateView {
public:
    StateView(TForm1& form, const FieldWidgets& widgets);
    ~StateView();
    StateView(const StateView&) = delete;
    StateView& operator=(const StateView&) = delete;

    // Notes that `field` must be shown again, also when the state did not
    // change it: a widget that changed itself on a click is put back.
    void markChanged(Field field) { pending_.set(static_cast<std::size_t>(field)); }
    void markAll() { pending_.set(); }
    // Shows every noted field.
    void flush();
    // Shows the caret and selection of `field` when it is a text field. The
    // state moves them without reporting it, so the focused field's are shown
    // after every action; a field without the focus shows none.
    void showCaret(Field field);

private:
    void show(Field field);
    void showEdit(const EditField& state);
    void showDropDown(const DropDown& state);
    void showRadioGroup(const RadioGroup& state);
    void showCheckBox(const CheckBox& state);
    void showLabel(const Label& state);
    void showTabs(const TabControl& state);
    void showGrid(const TextGrid& state);
    void showButton(const PushButton& state);
    static void showCaret(const EditableText& state, QLineEdit* edit);

    TForm1& form_;
    const FieldWidgets& widgets_;
    std::bitset<kFieldCount> pending_;
};

} // namespace kavro::window
