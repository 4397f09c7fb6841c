// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../tform1.h"
#include "action_result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kavro {

// What the user can do to the window, as a toolkit's controls would carry it
// out: the focus moves to the control acted on (running the exit handler of
// the field it leaves), typed characters pass the key filter, edits replace
// the selection, and a change runs the control's handler. Disabled controls
// take nothing. An error that no handler catches ends the action and is shown
// in the message box. The desktop window and the scripted driver both act
// through this class.
class UserInput {
public:
    // No field holds more characters; longer pastes are cut, further typing
    // is discarded, as in any edit control with a length limit.
    static constexpr std::size_t kMaxTextLength = 255;

    explicit UserInput(TForm1& form) : form_(form) {}

    // The window becomes active: the start-up routine runs, once only.
    ActionResult start();

    ActionResult type(Field field, std::string_view text);
    ActionResult typeCharacter(Field field, char32_t character);
    ActionResult backspace(Field field, std::int64_t presses = 1);
    // The Delete key: the selection goes, else the character after the caret,
    // in one change as Backspace makes it; at the end of the text nothing
    // changes and the field only takes the focus.
    ActionResult deleteForward(Field field);
    // The key of a keypad that carries the decimal point where the program
    // writes a comma: it types the comma, through the field's key filter.
    ActionResult typeDecimalSeparator(Field field);
    ActionResult placeCaret(Field field, std::int64_t position);
    ActionResult selectAll(Field field);
    ActionResult select(Field field, std::int64_t start, std::int64_t length);
    ActionResult paste(Field field, std::string_view text);
    ActionResult replace(Field field, std::string_view text);

    ActionResult focus(Field field);
    // A keypad's next key in `from`: the focus goes to the first control
    // after it in the window's focus order that can take it, round to the
    // start; nothing changes when no other can.
    ActionResult focusNext(Field from);
    ActionResult pick(Field field, std::int64_t index);
    ActionResult click(Field field, std::int64_t index);
    ActionResult check(Field field);
    ActionResult pressCell(Field field, std::int64_t column, std::int64_t row);
    ActionResult switchTab(std::int64_t index);
    ActionResult clickLink(Field field);
    ActionResult clickButton(Field field);

private:
    // Runs an action; an uncaught error is shown and reported as Failed.
    template <class Action> ActionResult guarded(Action&& action);
    // Moves the focus, running the exit handler of the field left.
    void moveFocus(Field field);
    // Why `field` cannot take the text actions, if it cannot.
    std::optional<std::string> textRefusal(Field field) const;
    std::optional<std::string> focusRefusal(Field field) const;
    EditableText& editable(Field field);
    // Applies the user's edit to the field's text; a change runs its handler.
    void applyEdit(Field field, EditableText::Edit edit);
    // One character typed into a field that already holds the focus.
    void typeOne(Field field, char32_t character);

    TForm1& form_;
    bool started_ = false;
};

} // namespace kavro
