// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kavro {

// A field of the order file as the user knows it: named as the window and
// the spreadsheet name it ("Высота полотна, мм"), the order's own fields as
// their dialogs do. A key this program does not know (written by a newer
// one) is shown as it is rather than hidden.
std::string openingFieldCaption(std::string_view key);
std::string orderFieldCaption(std::string_view key);

// A field's value, given as its JSON text in the order file, in words: a
// text bare, the crank's flag «да»/«нет», accessories as «4200001 × 2»;
// «—» for a field that is absent or empty.
std::string fieldValueText(const std::optional<std::string>& json);

} // namespace kavro
