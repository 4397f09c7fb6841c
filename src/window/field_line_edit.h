// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

namespace kavro::window {

// A line edit whose text belongs to the window state. It never edits itself:
// every keystroke, paste, cut or deletion is handed on as a request (to go
// through the state's key filter and change handler), and the text comes back
// from the state. Caret moves and selections by keys and mouse are its own;
// it reports them through QLineEdit's cursorPositionChanged and
// selectionChanged. Undo and redo are not offered: the state keeps no history.
class FieldLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FieldLineEdit(QWidget* parent = nullptr);

    // Takes the clipboard's text up to its first line break, as a one-line
    // field does; requests a paste when there is something to paste.
    void pasteClipboard();
    // Copies the selection to the clipboard and requests its deletion.
    void cutSelection();

signals:
    // A typed character; Backspace comes as 8.
    void characterTyped(char32_t character);
    // The Delete key: the selection, else the character after the caret.
    void forwardDeleteRequested();
    void pasteRequested(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void typeText(const QString& text);
    void requestPaste(QString text);
};

} // namespace kavro::window
