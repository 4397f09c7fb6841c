// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"
#include "editable_text.h"

#include <string>

namespace kavro {

// A one-line edit field. Writing a text that differs from the current one
// runs the change handler at once, before the write returns; writing the same
// text runs nothing. The same holds for the user's changes.
class EditField : public Control, public EditableText {
public:
    struct Options {
        bool enabled = true;
        bool readOnly = false;
        bool keyFilter = false; // typed characters pass DiametrKeyPress first
    };
    EditField(Field id, const ChangeSink& sink, std::string text, Options options);

    // A write by the program: the caret goes to the end of the new text.
    void setText(std::string text);
    // A change made by the user: the caret stands where the edit left it.
    void userEdit(std::string text, std::size_t caret);

    bool enabled() const { return options_.enabled; }
    void setEnabled(bool enabled);
    bool readOnly() const { return options_.readOnly; }
    bool hasKeyFilter() const { return options_.keyFilter; }

    Handler onChange;
    Handler onExit;

private:
    void change(std::string text, std::size_t caret);

    Options options_;
};

} // namespace kavro
