// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "action_router.h"

#include "field_grid.h"
#include "field_line_edit.h"
#include "link_label.h"
#include "qt_text.h"
#include "radio_group_box.h"
#include "text_positions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <exception>

namespace kavro::window {

ActionRouter::ActionRouter(TForm1& form, UserInput& input, const FieldWidgets& widgets,
                           StateView& view, QWidget* window)
    : QObject(window), form_(form), input_(input), widgets_(widgets), view_(view), window_(window) {
    for (EditField* field :
         {&form_.Tolwina, &form_.Visota, &form_.Wirina, &form_.Massa, &form_.NizhniyProfil})
        wireText(field->id(), widgets_.get<FieldLineEdit>(field->id()), *field);
    auto* diameterText =
        static_cast<FieldLineEdit*>(widgets_.get<QComboBox>(Field::Diametr)->lineEdit());
    wireText(Field::Diametr, diameterText, form_.Diametr);
    wireChoices();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { followFocus(now); });
}

template <class Action>
ActionResult ActionRouter::perform(std::optional<Field> acted, Action&& action) {
    if (busy_)
        return ActionResult::refused("another action is running");
    busy_ = true;
    ActionResult result;
    try {
        result = action();
    } catch (const std::exception& error) {
        // The logic's own errors are shown by UserInput; anything else is a
        // fault that must not cross Qt's event loop.
        qFatal("unexpected error in a user action: %s", error.what());
    }
    // A widget that changed itself when clicked is put back to the state.
    if (acted)
        view_.markChanged(*acted);
    view_.flush();
    mirrorFocus();
    view_.showCaret(form_.focus());
    busy_ = false;
    if (afterAction_)
        afterAction_(acted);
    return result;
}

void ActionRouter::start() {
    perform(std::nullopt, [this] { return input_.start(); });
}

void ActionRouter::clickButton(Field field) {
    perform(field, [this, field] { return input_.clickButton(field); });
}

void ActionRouter::wireText(Field field, FieldLineEdit* edit, const EditableText& state) {
    connect(edit, &FieldLineEdit::characterTyped, this, [this, field](char32_t character) {
        perform(field, [&] { return input_.typeCharacter(field, character); });
    });
    connect(edit, &FieldLineEdit::pasteRequested, this, [this, field](const QString& text) {
        perform(field, [&] { return input_.paste(field, toUtf8(text)); });
    });
    connect(edit, &FieldLineEdit::forwardDeleteRequested, this,
            [this, field] { perform(field, [&] { return input_.deleteForward(field); }); });
    auto sync = [this, field, edit, &state] { syncSelection(field, edit, state); };
    connect(edit, &QLineEdit::cursorPositionChanged, this, sync);
    connect(edit, &QLineEdit::selectionChanged, this, sync);
}

void ActionRouter::wireChoices() {
    for (Field field : {Field::Profil, Field::TipProfilya, Field::Diametr}) {
        connect(widgets_.get<QComboBox>(field), &QComboBox::activated, this,
                [this, field](int index) {
                    perform(field, [&] { return input_.pick(field, index); });
                });
    }
    for (Field field : {Field::Montazh, Field::Upravlenie, Field::Kreplenie}) {
        connect(widgets_.get<RadioGroupBox>(field), &RadioGroupBox::itemClicked, this,
                [this, field](int index) {
                    perform(field, [&] { return input_.click(field, index); });
                });
    }
    connect(widgets_.get<QCheckBox>(Field::NHK), &QCheckBox::clicked, this,
            [this] { perform(Field::NHK, [this] { return input_.check(Field::NHK); }); });
    connect(widgets_.get<FieldGrid>(Field::Spisok), &FieldGrid::cellPressed, this,
            [this](int column, int row) {
                perform(Field::Spisok,
                        [&] { return input_.pressCell(Field::Spisok, column, row); });
            });
    connect(widgets_.get<QTabWidget>(Field::TabControl1), &QTabWidget::currentChanged, this,
            [this](int index) {
                perform(Field::TabControl1, [&] { return input_.switchTab(index); });
            });
    connect(widgets_.get<QPushButton>(Field::Button1), &QPushButton::clicked, this, [this] {
        perform(Field::Button1, [this] { return input_.clickButton(Field::Button1); });
    });
    for (Field field : {Field::Label30, Field::Label31}) {
        connect(widgets_.get<LinkLabel>(field), &LinkLabel::clicked, this,
                [this, field] { perform(field, [&] { return input_.clickLink(field); }); });
    }
}

// Caret moves and selections made by keys or the mouse go to the state, as
// long as the field holds the focus, in Qt and in the state, and shows the
// state's text (not while a drop-down puts a picked item's text in before
// reporting the pick). A line edit losing the focus drops its selection
// itself; the state keeps it, as a field does that the user left.
void ActionRouter::syncSelection(Field field, const QLineEdit* edit, const EditableText& state) {
    if (busy_ || !edit->hasFocus() || form_.focus() != field ||
        edit->text() != toQString(state.text()))
        return;
    const QString& text = edit->text();
    const int from = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int to = edit->hasSelectedText() ? edit->selectionEnd() : from;
    const std::size_t start = characterPosition(text, from);
    const std::size_t length = characterPosition(text, to) - start;
    const bool held = state.selectionStart() == start && state.selectionLength() == length &&
                      (length > 0 || state.caret() == start);
    if (held)
        return;
    perform(field, [&] {
        return input_.select(field, static_cast<std::int64_t>(start),
                             static_cast<std::int64_t>(length));
    });
}

void ActionRouter::watchWindow(QWindow* window) {
    if (watched_ == window)
        return;
    if (watched_)
        watched_->removeEventFilter(this);
    watched_ = window;
    if (window)
        window->installEventFilter(this);
}

bool ActionRouter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watched_ && event->type() == QEvent::MouseButtonPress)
        return pressKeepsFocus(static_cast<QMouseEvent*>(event));
    return QObject::eventFilter(watched, event);
}

// Finds the control that Qt would give the focus to for this press (the
// first enabled one under the pointer, going outwards, that takes the focus
// by click) and moves the state's focus there first. Returns true, dropping
// the press, when the move failed.
bool ActionRouter::pressKeepsFocus(const QMouseEvent* press) {
    if (busy_)
        return false;
    // The press comes in the coordinates of the top-level window, which may
    // hold the form below a menu bar and beside other panels.
    const QPoint inForm = window_->mapFrom(window_->window(), press->position().toPoint());
    if (!window_->rect().contains(inForm))
        return false;
    QWidget* taker = window_->childAt(inForm);
    for (; taker && taker != window_; taker = taker->parentWidget()) {
        const QWidget* policyHolder = taker;
        while (policyHolder->focusProxy())
            policyHolder = policyHolder->focusProxy();
        if (taker->isEnabled() && (policyHolder->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus)
            break;
    }
    const std::optional<Field> field = widgets_.fieldOf(taker == window_ ? nullptr : taker);
    if (!field || *field == form_.focus())
        return false;
    return perform(std::nullopt, [&] { return input_.focus(*field); }).kind !=
           ActionResult::Kind::Done;
}

// The Qt focus moved by other means than a press on the window (the Tab
// key, a shortcut): the state's focus follows, or Qt's goes back.
void ActionRouter::followFocus(QWidget* now) {
    if (busy_ || !now || now != QApplication::focusWidget() || !window_->isAncestorOf(now))
        return;
    const std::optional<Field> field = widgets_.fieldOf(now);
    if (!field || *field == form_.focus())
        return;
    // Entering a line edit by Tab selects its text; that selection is the
    // user's and goes to the state once the focus has moved.
    QLineEdit* edit = textEdit(*field);
    const bool selected = edit && edit->hasSelectedText();
    const int from = selected ? edit->selectionStart() : 0;
    const int to = selected ? edit->selectionEnd() : 0;
    if (perform(std::nullopt, [&] { return input_.focus(*field); }).kind !=
            ActionResult::Kind::Done ||
        !selected)
        return;
    const std::size_t start = characterPosition(edit->text(), from);
    const std::size_t length = characterPosition(edit->text(), to) - start;
    perform(*field, [&] {
        return input_.select(*field, static_cast<std::int64_t>(start),
                             static_cast<std::int64_t>(length));
    });
}

void ActionRouter::mirrorFocus() {
    const QWidget* current = window_->focusWidget();
    if (current && widgets_.fieldOf(current) == form_.focus())
        return;
    QWidget* target = focusableWidget(form_.focus());
    if (target && target->isEnabled() && target->isVisibleTo(window_))
        target->setFocus(Qt::OtherFocusReason);
}

QWidget* ActionRouter::focusableWidget(Field field) const {
    if (field == Field::Montazh || field == Field::Upravlenie || field == Field::Kreplenie)
        return widgets_.get<RadioGroupBox>(field)->focusTarget();
    return widgets_.widget(field);
}

QLineEdit* ActionRouter::textEdit(Field field) const {
    if (field == Field::Diametr)
        return widgets_.get<QComboBox>(field)->lineEdit();
    if (field == Field::Tolwina || field == Field::Visota || field == Field::Wirina ||
        field == Field::Massa || field == Field::NizhniyProfil)
        return widgets_.get<QLineEdit>(field);
    return nullptr;
}

} // namespace kavro::window
