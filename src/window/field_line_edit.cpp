// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "field_line_edit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <initializer_list>

namespace kavro::window {

namespace {

constexpr char32_t kBackspace = 8;

// Keys that move the caret or the selection, or copy, and change no text:
// QLineEdit carries them out itself.
bool isNavigation(const QKeyEvent* event) {
    for (QKeySequence::StandardKey key : {QKeySequence::MoveToNextChar,
                                          QKeySequence::MoveToPreviousChar,
                                          QKeySequence::MoveToNextWord,
                                          QKeySequence::MoveToPreviousWord,
                                          QKeySequence::MoveToStartOfLine,
                                          QKeySequence::MoveToEndOfLine,
                                          QKeySequence::MoveToStartOfBlock,
                                          QKeySequence::MoveToEndOfBlock,
                                          QKeySequence::MoveToStartOfDocument,
                                          QKeySequence::MoveToEndOfDocument,
                                          QKeySequence::SelectNextChar,
                                          QKeySequence::SelectPreviousChar,
                                          QKeySequence::SelectNextWord,
                                          QKeySequence::SelectPreviousWord,
                                          QKeySequence::SelectStartOfLine,
                                          QKeySequence::SelectEndOfLine,
                                          QKeySequence::SelectStartOfBlock,
                                          QKeySequence::SelectEndOfBlock,
                                          QKeySequence::SelectStartOfDocument,
                                          QKeySequence::SelectEndOfDocument,
                                          QKeySequence::SelectAll,
                                          QKeySequence::Deselect,
                                          QKeySequence::Copy})
        if (event->matches(key))
            return true;
    return false;
}

// Keys that QLineEdit would answer with an edit the state does not know:
// undo, redo and the word and line deletions. They do nothing here.
bool isUnsupportedEdit(const QKeyEvent* event) {
    for (QKeySequence::StandardKey key :
         {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::DeleteStartOfWord,
          QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine,
          QKeySequence::DeleteCompleteLine})
        if (event->matches(key))
            return true;
    return false;
}

bool isTypedText(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (!c.isPrint() && !c.isSurrogate())
            return false;
    return true;
}

} // namespace

FieldLineEdit::FieldLineEdit(QWidget* parent) : QLineEdit(parent) {
    setAcceptDrops(false);
    setDragEnabled(false);
    // A disabled field (every result, and the profile figures taken from the
    // catalogue) is greyed but must stay readable: a darker grey than the
    // style's own.
    QPalette greyed = palette();
    greyed.setColor(QPalette::Disabled, QPalette::Text, QColor(109, 109, 109));
    setPalette(greyed);
}

void FieldLineEdit::keyPressEvent(QKeyEvent* event) {
    // Shift and the keypad do not make a chord: they type characters.
    const Qt::KeyboardModifiers chord =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (event->key() == Qt::Key_Backspace && chord == Qt::NoModifier) {
        emit characterTyped(kBackspace);
    } else if (event->matches(QKeySequence::Delete)) {
        emit forwardDeleteRequested();
    } else if (event->matches(QKeySequence::Paste)) {
        pasteClipboard();
    } else if (event->matches(QKeySequence::Cut)) {
        cutSelection();
    } else if (isNavigation(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    } else if (isUnsupportedEdit(event)) {
        // Accepted: no text change, and no parent acts on it either.
    } else if (chord == Qt::NoModifier && isTypedText(event->text())) {
        typeText(event->text());
    } else {
        // Return, Escape, Tab and unknown chords belong to the window.
        event->ignore();
        return;
    }
    event->accept();
}

void FieldLineEdit::typeText(const QString& text) {
    for (char32_t c : text.toUcs4())
        emit characterTyped(c);
}

// A committed composition arrives as typed text; the composition in progress
// is not shown, as the field holds only the state's text.
void FieldLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!isReadOnly() && !event->commitString().isEmpty())
        typeText(event->commitString());
    event->accept();
}

// On X11 the middle button pastes the primary selection at the caret.
void FieldLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection())
            requestPaste(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FieldLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const bool editable = isEnabled() && !isReadOnly();
    QAction* cut = menu.addAction(QStringLiteral("Вырезать"), this, &FieldLineEdit::cutSelection);
    cut->setEnabled(editable && hasSelectedText());
    QAction* copyAction = menu.addAction(QStringLiteral("Копировать"), this, &QLineEdit::copy);
    copyAction->setEnabled(hasSelectedText());
    QAction* paste =
        menu.addAction(QStringLiteral("Вставить"), this, &FieldLineEdit::pasteClipboard);
    paste->setEnabled(editable && !QGuiApplication::clipboard()->text().isEmpty());
    QAction* erase =
        menu.addAction(QStringLiteral("Удалить"), this, [this] { emit forwardDeleteRequested(); });
    erase->setEnabled(editable && hasSelectedText());
    menu.addSeparator();
    QAction* all = menu.addAction(QStringLiteral("Выделить все"), this, &QLineEdit::selectAll);
    all->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
}

void FieldLineEdit::pasteClipboard() {
    requestPaste(QGuiApplication::clipboard()->text());
}

void FieldLineEdit::requestPaste(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\r' || text.at(i) == u'\n') {
            text.truncate(i);
            break;
        }
    }
    if (!text.isEmpty() || hasSelectedText())
        emit pasteRequested(text);
}

void FieldLineEdit::cutSelection() {
    if (!hasSelectedText() || isReadOnly())
        return;
    copy();
    emit forwardDeleteRequested();
}

} // namespace kavro::window
