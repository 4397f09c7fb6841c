// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "check_box.h"
#include "drop_down.h"
#include "edit_field.h"
#include "label.h"
#include "push_button.h"
#include "radio_group.h"
#include "tab_control.h"
#include "text_grid.h"

namespace kavro {

// The window's named fields as the logic sees them, in their state at the
// window's creation. Creating them runs no handler.
class WindowState {
public:
    WindowState();
    WindowState(const WindowState&) = delete;
    WindowState& operator=(const WindowState&) = delete;

    // Tells a view which control changed; set it before the first action.
    void setChangeListener(std::function<void(Field)> listener) {
        changes_.listener = std::move(listener);
    }

    // The control named `field`; every Field names exactly one.
    Control& control(Field field);
    const Control& control(Field field) const;

    // The control that holds the input focus (Profil when the window opens).
    Field focus() const { return focus_; }
    void setFocus(Field field) { focus_ = field; }

private:
    ChangeSink changes_; // constructed before the controls that report to it
    Field focus_ = Field::Profil;

public:
    DropDown Profil;
    DropDown TipProfilya;
    RadioGroup Montazh;
    DropDown Diametr;
    EditField Tolwina;
    EditField Visota;
    EditField Wirina;
    EditField Massa;
    EditField NizhniyProfil;
    RadioGroup Upravlenie;
    RadioGroup Kreplenie;
    CheckBox NHK;
    EditField FullMassa;
    EditField Moment;
    EditField MaxDiametr;
    EditField Oboroti;
    EditField Vremya;
    EditField Speed;
    Label Label27;
    TabControl TabControl1;
    TextGrid Spisok;
    TextGrid SpisokAcc;
    PushButton Button1;
    Label Label30;
    Label Label31;
};

} // namespace kavro
