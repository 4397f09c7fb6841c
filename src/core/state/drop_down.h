// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"
#include "editable_text.h"

#include <string>
#include <vector>

namespace kavro {

// A drop-down list with an editable text. Writes by the program (text,
// chosen item, items) run no handler; the change handler runs when the user
// picks an item, also the one already chosen, and after each change the user
// makes to the text.
class DropDown : public Control, public EditableText {
public:
    DropDown(Field id, const ChangeSink& sink, std::vector<std::string> items, std::string text,
             bool enabled, bool pickOnly);

    const std::vector<std::string>& items() const { return items_; }
    int itemIndex() const { return itemIndex_; }
    bool enabled() const { return enabled_; }
    // Pick-only lists take no typing: their text changes only with a pick.
    bool pickOnly() const { return pickOnly_; }

    void setText(std::string text);
    // Makes an item the chosen one; its text becomes the drop-down's text.
    // -1 chooses nothing and keeps the text.
    void setItemIndex(int index);
    void clearItems();
    void addItem(std::string item);
    void setEnabled(bool enabled);

    // The user picks item `index` (which must exist).
    void userPick(int index);
    // The user changes the text: the chosen item follows it (the first item
    // equal to the text, else none).
    void userEdit(std::string text, std::size_t caret);

    Handler onChange;

private:
    int firstItemEqualTo(const std::string& text) const;

    std::vector<std::string> items_;
    int itemIndex_ = -1;
    bool enabled_;
    bool pickOnly_;
};

} // namespace kavro
