// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/input/user_input.h"
#include "field_widgets.h"
#include "state_view.h"

#include <QObject>
#include <QPointer>
#include <QWindow>
#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;
class QMouseEvent;

namespace kavro::window {

class FieldLineEdit;

// Turns what the user does to the widgets into user actions on the window
// state, one at a time: after each, the view shows what changed, the carets,
// and the Qt focus is put where the state has it (an exit handler that fails
// keeps the focus on the field it guards).
//
// The focus moves before the press that moves it: a mouse press on a
// control that takes the focus first moves the state's focus, and is dropped
// when that fails, so that a control clicked away from a failing field does
// nothing. Focus moves by keyboard follow Qt's and are undone when they fail.
class ActionRouter : public QObject {
public:
    ActionRouter(TForm1& form, UserInput& input, const FieldWidgets& widgets, StateView& view,
                 QWidget* window);

    // The window became active for the first time: the start-up routine.
    void start();
    // The button's action, asked for from elsewhere (a menu).
    void clickButton(Field field);
    // Runs after each action, once the widgets show its outcome, with the
    // control acted on (none for the start-up routine and focus moves).
    void setAfterAction(std::function<void(std::optional<Field>)> afterAction) {
        afterAction_ = std::move(afterAction);
    }
    // Sees the mouse presses on `window` before its widgets do.
    void watchWindow(QWindow* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <class Action> ActionResult perform(std::optional<Field> acted, Action&& action);

    void wireText(Field field, FieldLineEdit* edit, const EditableText& state);
    void wireChoices();
    void syncSelection(Field field, const QLineEdit* edit, const EditableText& state);
    bool pressKeepsFocus(const QMouseEvent* press);
    void followFocus(QWidget* now);
    void mirrorFocus();
    QWidget* focusableWidget(Field field) const;
    QLineEdit* textEdit(Field field) const;

    TForm1& form_;
    UserInput& input_;
    const FieldWidgets& widgets_;
    StateView& view_;
    QWidget* window_;
    QPointer<QWindow> watched_;
    // An action is running; anything the widgets report meanwhile (focus
    // moving to a message box and back) is not the user's.
    bool busy_ = false;
    std::function<void(std::optional<Field>)> afterAction_;
};

} // namespace kavro::window
