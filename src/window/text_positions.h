// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstddef>

namespace kavro::window {

// The window state counts caret and selection positions in characters (code
// points); QLineEdit counts UTF-16 units. A character outside the Basic
// Multilingual Plane is one of the first and two of the second.

// The UTF-16 offset of the character at `position` (clamped to the text).
int utf16Offset(const QString& text, std::size_t position);

// The number of characters before UTF-16 offset `offset` (clamped to the
// text); an offset inside a surrogate pair counts the pair as before it.
std::size_t characterPosition(const QString& text, int offset);

} // namespace kavro::window
