// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "user_input.h"

#include "../calc_error.h"
#include "../form/window_layout.h"
#include "../text/utf8.h"

#include <algorithm>

namespace kavro {

namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kDecimalSeparator = ',';

std::string named(Field field, std::string_view what) {
    return std::string(fieldName(field)) + std::string(what);
}

bool isEditField(Field f) {
    return fieldKind(f) == FieldKind::EditField;
}
bool isDropDown(Field f) {
    return fieldKind(f) == FieldKind::DropDown;
}
bool isRadioGroup(Field f) {
    return fieldKind(f) == FieldKind::RadioGroup;
}

} // namespace

template <class Action> ActionResult UserInput::guarded(Action&& action) {
    try {
        action();
        return ActionResult::done();
    } catch (const CalcError& error) {
        const std::string text = messageBoxText(error.what());
        form_.services().messageBox.showStop(form_.services().programName, text);
        return ActionResult::failed(text);
    }
}

ActionResult UserInput::start() {
    if (started_)
        return ActionResult::done();
    started_ = true;
    return guarded([this] { form_.FormActivate(); });
}

void UserInput::moveFocus(Field field) {
    const Field left = form_.focus();
    if (left == field)
        return;
    if (isEditField(left))
        run(static_cast<EditField&>(form_.control(left)).onExit);
    form_.setFocus(field);
}

std::optional<std::string> UserInput::focusRefusal(Field field) const {
    const Control& c = form_.control(field);
    if (isEditField(field) && !static_cast<const EditField&>(c).enabled())
        return named(field, " is disabled");
    if (isDropDown(field) && !static_cast<const DropDown&>(c).enabled())
        return named(field, " is disabled");
    if (field == Field::NHK && !form_.NHK.enabled())
        return named(field, " is disabled");
    if (isEditField(field) || isDropDown(field) || isRadioGroup(field) || field == Field::NHK ||
        field == Field::TabControl1 || field == Field::Spisok || field == Field::SpisokAcc ||
        field == Field::Button1)
        return std::nullopt;
    return named(field, " cannot take the focus");
}

std::optional<std::string> UserInput::textRefusal(Field field) const {
    if (!isEditField(field) && !isDropDown(field))
        return named(field, " takes no text");
    if (auto refusal = focusRefusal(field))
        return refusal;
    if (isDropDown(field) && static_cast<const DropDown&>(form_.control(field)).pickOnly())
        return named(field, " is pick-only");
    return std::nullopt;
}

EditableText& UserInput::editable(Field field) {
    if (isDropDown(field))
        return static_cast<DropDown&>(form_.control(field));
    return static_cast<EditField&>(form_.control(field));
}

void UserInput::applyEdit(Field field, EditableText::Edit edit) {
    EditableText& target = editable(field);
    if (edit.text == target.text()) {
        target.setCaret(edit.caret);
        return;
    }
    if (isDropDown(field))
        static_cast<DropDown&>(form_.control(field)).userEdit(std::move(edit.text), edit.caret);
    else
        static_cast<EditField&>(form_.control(field)).userEdit(std::move(edit.text), edit.caret);
}

void UserInput::typeOne(Field field, char32_t character) {
    EditableText& target = editable(field);
    if (isEditField(field) && static_cast<EditField&>(target).hasKeyFilter())
        character = form_.DiametrKeyPress(target, character);
    else if (character != kBackspace && (character < 0x20 || character == 0x7F))
        character = 0; // control characters do not enter a one-line text
    if (character == 0)
        return;
    if (character == kBackspace) {
        applyEdit(field, target.backspace());
        return;
    }
    if (target.length() - target.selectionLength() >= kMaxTextLength)
        return;
    applyEdit(field, target.insertion(utf8::encode(character)));
}

ActionResult UserInput::type(Field field, std::string_view text) {
    if (auto refusal = textRefusal(field))
        return ActionResult::refused(*refusal);
    const std::u32string characters = utf8::decode(utf8::sanitize(text));
    return guarded([&] {
        moveFocus(field);
        for (char32_t c : characters)
            typeOne(field, c);
    });
}

ActionResult UserInput::typeCharacter(Field field, char32_t character) {
    return type(field, utf8::encode(character));
}

ActionResult UserInput::backspace(Field field, std::int64_t presses) {
    if (auto refusal = textRefusal(field))
        return ActionResult::refused(*refusal);
    if (presses < 0)
        return ActionResult::refused("a negative number of presses");
    return guarded([&] {
        moveFocus(field);
        for (std::int64_t i = 0; i < presses; ++i) {
            EditableText& target = editable(field);
            if (target.selectionLength() == 0 && target.caret() == 0)
                break; // nothing left before the caret: further presses change nothing
            applyEdit(field, target.backspace());
        }
    });
}

ActionResult UserInput::deleteForward(Field field) {
    if (auto refusal = textRefusal(field))
        return ActionResult::refused(*refusal);
    const EditableText& target = editable(field);
    if (target.selectionLength() == 0) {
        if (target.caret() >= target.length())
            return focus(field);
        const ActionResult selected = select(field, static_cast<std::int64_t>(target.caret()), 1);
        if (selected.kind != ActionResult::Kind::Done)
            return selected;
    }
    return backspace(field, 1);
}

ActionResult UserInput::typeDecimalSeparator(Field field) {
    return typeCharacter(field, kDecimalSeparator);
}

ActionResult UserInput::placeCaret(Field field, std::int64_t position) {
    if (auto refusal = textRefusal(field))
        return ActionResult::refused(*refusal);
    if (position < 0 || static_cast<std::uint64_t>(position) > editable(field).length())
        return ActionResult::refused("caret position outside the text");
    return guarded([&] {
        moveFocus(field);
        editable(field).setCaret(static_cast<std::size_t>(position));
    });
}

ActionResult UserInput::selectAll(Field field) {
    if (auto refusal = textRefusal(field))
        return ActionResult::refused(*refusal);
    return guarded([&] {
        moveFocus(field);
        editable(field).selectAll();
    });
}

ActionResult UserInput::select(Field field, std::int64_t start, std::int64_t length) {
    if (auto refusal = textRefusal(field))
        return ActionResult::refused(*refusal);
    const auto size = static_cast<std::int64_t>(editable(field).length());
    if (start < 0 || length < 0 || start > size || length > size - start)
        return ActionResult::refused("selection outside the text");
    return guarded([&] {
        moveFocus(field);
        editable(field).setSelection(static_cast<std::size_t>(start),
                                     static_cast<std::size_t>(length));
    });
}

ActionResult UserInput::paste(Field field, std::string_view text) {
    if (auto refusal = textRefusal(field))
        return ActionResult::refused(*refusal);
    std::string inserted = utf8::sanitize(text);
    return guarded([&] {
        moveFocus(field);
        EditableText& target = editable(field);
        const std::size_t room = kMaxTextLength - (target.length() - target.selectionLength());
        if (utf8::length(inserted) > room)
            inserted.resize(utf8::offsetOf(inserted, room));
        applyEdit(field, target.insertion(inserted));
    });
}

ActionResult UserInput::replace(Field field, std::string_view text) {
    ActionResult selected = selectAll(field);
    if (selected.kind != ActionResult::Kind::Done)
        return selected;
    return paste(field, text);
}

ActionResult UserInput::focus(Field field) {
    if (auto refusal = focusRefusal(field))
        return ActionResult::refused(*refusal);
    return guarded([&] { moveFocus(field); });
}

ActionResult UserInput::focusNext(Field from) {
    const std::span<const Field> order = form::focusOrder();
    const auto at = std::find(order.begin(), order.end(), from);
    const std::size_t start = at == order.end() ? order.size() - 1 : at - order.begin();
    for (std::size_t step = 1; step < order.size(); ++step) {
        const Field next = order[(start + step) % order.size()];
        if (next != from && !focusRefusal(next))
            return focus(next);
    }
    return focus(from);
}

ActionResult UserInput::pick(Field field, std::int64_t index) {
    if (!isDropDown(field))
        return ActionResult::refused(named(field, " has no list to pick from"));
    if (auto refusal = focusRefusal(field))
        return ActionResult::refused(*refusal);
    auto& list = static_cast<DropDown&>(form_.control(field));
    if (index < 0 || index >= static_cast<std::int64_t>(list.items().size()))
        return ActionResult::refused(named(field, " has no item ") + std::to_string(index));
    return guarded([&] {
        moveFocus(field);
        list.userPick(static_cast<int>(index));
    });
}

ActionResult UserInput::click(Field field, std::int64_t index) {
    if (!isRadioGroup(field))
        return ActionResult::refused(named(field, " is not a radio group"));
    auto& group = static_cast<RadioGroup&>(form_.control(field));
    if (index < 0 || index >= static_cast<std::int64_t>(group.items().size()))
        return ActionResult::refused(named(field, " has no item ") + std::to_string(index));
    if (!group.itemEnabled(static_cast<int>(index)))
        return ActionResult::refused(named(field, " is disabled"));
    return guarded([&] {
        moveFocus(field);
        group.setItemIndex(static_cast<int>(index));
    });
}

ActionResult UserInput::check(Field field) {
    if (field != Field::NHK)
        return ActionResult::refused(named(field, " is not a check box"));
    if (auto refusal = focusRefusal(field))
        return ActionResult::refused(*refusal);
    return guarded([&] {
        moveFocus(field);
        form_.NHK.setChecked(!form_.NHK.checked());
    });
}

ActionResult UserInput::pressCell(Field field, std::int64_t column, std::int64_t row) {
    if (field != Field::Spisok)
        return ActionResult::refused(named(field, " takes no mouse press"));
    if (auto refusal = focusRefusal(field))
        return ActionResult::refused(*refusal);
    const bool nowhere = column == -1 && row == -1;
    if (!nowhere && !(column >= 0 && row >= 0 && column < form_.Spisok.columnCount() &&
                      row < form_.Spisok.rowCount()))
        return ActionResult::refused("no such cell");
    return guarded([&] {
        moveFocus(field);
        form_.SpisokMouseDown(static_cast<int>(column), static_cast<int>(row));
    });
}

ActionResult UserInput::switchTab(std::int64_t index) {
    if (index < 0 || index >= static_cast<std::int64_t>(form_.TabControl1.tabs().size()))
        return ActionResult::refused("TabControl1 has no tab " + std::to_string(index));
    return guarded([&] {
        moveFocus(Field::TabControl1);
        form_.TabControl1.userSwitch(static_cast<int>(index));
    });
}

ActionResult UserInput::clickLink(Field field) {
    if (field == Field::Label30)
        return guarded([&] { form_.Label30Click(); });
    if (field == Field::Label31)
        return guarded([&] { form_.Label31Click(); });
    return ActionResult::refused(named(field, " is not a link"));
}

ActionResult UserInput::clickButton(Field field) {
    if (field != Field::Button1)
        return ActionResult::refused(named(field, " is not a button"));
    return guarded([&] {
        moveFocus(Field::Button1);
        form_.Button1Click();
    });
}

} // namespace kavro
