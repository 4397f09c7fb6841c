// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

namespace kavro {

// The text of an edit field or of a drop-down's editable part, with the caret
// and the selection that the user's keystrokes act on. Positions count
// characters; the selection runs between the anchor and the caret.
class EditableText {
public:
    explicit EditableText(std::string text);

    const std::string& text() const { return text_; }
    std::size_t length() const { return length_; }
    std::size_t caret() const { return caret_; }
    std::size_t selectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    std::size_t selectionLength() const {
        return caret_ < anchor_ ? anchor_ - caret_ : caret_ - anchor_;
    }

    // Places the caret (clamped to the text) and clears the selection.
    void setCaret(std::size_t position);
    void moveCaretToEnd() { setCaret(length_); }
    void selectAll();
    void setSelection(std::size_t start, std::size_t length);

    // What the text would become if `inserted` replaced the selection (or
    // went in at the caret), and where the caret would then stand.
    struct Edit {
        std::string text;
        std::size_t caret;
    };
    Edit insertion(const std::string& inserted) const;
    // What one Backspace would leave: the selection deleted, else the
    // character before the caret.
    Edit backspace() const;

protected:
    // Replaces the text and places the caret, without any notification.
    void store(std::string text, std::size_t caret);

private:
    std::string text_;
    std::size_t length_;
    std::size_t caret_;
    std::size_t anchor_;
};

} // namespace kavro
