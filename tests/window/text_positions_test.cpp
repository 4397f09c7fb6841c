// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_positions.h"

#include <gtest/gtest.h>

namespace kavro::window {

namespace {

struct Row {
    const char* name;
    const char16_t* text;
    std::size_t characters;
    int utf16;
};

// "😀" is a surrogate pair: one character, two UTF-16 units.
const Row kRows[] = {
    {"empty text", u"", 0, 0},
    {"start", u"1000", 0, 0},
    {"inside plain text", u"1000", 2, 2},
    {"end of Cyrillic text", u"мм", 2, 2},
    {"before a pair", u"a😀b", 1, 1},
    {"after a pair", u"a😀b", 2, 3},
    {"end after a pair", u"a😀b", 3, 4},
};

TEST(TextPositions, CharactersAndUtf16UnitsConvertBothWays) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        const QString text = QString::fromUtf16(row.text);
        EXPECT_EQ(utf16Offset(text, row.characters), row.utf16);
        EXPECT_EQ(characterPosition(text, row.utf16), row.characters);
    }
}

TEST(TextPositions, PositionsBeyondTheTextAreClamped) {
    const QString text = QString::fromUtf16(u"a😀");
    EXPECT_EQ(utf16Offset(text, 10), 3);
    EXPECT_EQ(characterPosition(text, 10), 2u);
    // Inside the pair: the pair counts as before.
    EXPECT_EQ(characterPosition(text, 2), 2u);
}

} // namespace

} // namespace kavro::window
