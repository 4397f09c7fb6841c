// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../state/field.h"

#include <span>
#include <string>
#include <string_view>

// What the calculator's window shows besides its state: captions, units,
// places. Plain data, read by the desktop window and served to the browser's
// page, so that no text the window shows is written twice.
namespace kavro::form {

// Client pixels: left, top, width, height.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct Point {
    int x = 0;
    int y = 0;
};

inline constexpr std::string_view kWindowTitle = "KAVRO подбор привода v.1.1";
inline constexpr int kWindowWidth = 897;
inline constexpr int kWindowHeight = 568;

// An input or result field with its caption (right-aligned, ending at
// captionEnd.x, exclusive) and its unit (left-aligned at unitPlace), if any.
struct LabelledField {
    Field field;
    const char* captionName;
    std::string caption;
    Point captionEnd;
    Rect place;
    const char* unitName; // nullptr: no unit
    std::string unit;
    Point unitPlace;
};

// Captions are one line of this height.
inline constexpr int kCaptionHeight = 16;
// The right edges of the input captions and of the result captions.
inline constexpr int kInputCaptionEnd = 142;
inline constexpr int kResultCaptionEnd = 693;

// The order in which Tab, and a keypad's next key, go through the window's
// controls; the two grids follow the tab control as its own children.
std::span<const Field> focusOrder();

std::span<const LabelledField> inputFields();
std::span<const LabelledField> resultFields();

// A radio group and how many columns its items stand in.
struct GroupPlace {
    Field field;
    Rect place;
    int columns;
};
std::span<const GroupPlace> radioGroups();

// The maker's lines above the links, right-aligned on kHeaderEnd.
struct HeaderLine {
    const char* name;
    std::string_view text;
    int top;
};
inline constexpr int kHeaderEnd = 654;
inline constexpr int kHeaderLineHeight = 16;
std::span<const HeaderLine> headerLines();
// The two links: the second ends on kHeaderEnd, the first kLinkGap before it.
inline constexpr int kLinksTop = 65;
inline constexpr int kLinkGap = 23;

inline constexpr Rect kLogoPlace{680, 8, 201, 88};
inline constexpr Rect kTopLeftSpacer{0, 0, 3, 13};
inline constexpr Rect kBottomRightSpacer{855, 555, 42, 13};
inline constexpr Rect kCrankPlace{44, 520, 201, 17};
inline constexpr Rect kTabsPlace{347, 321, 537, 185};
// Inside the tab control.
inline constexpr Rect kDrivesPlace{8, 32, 521, 145};
inline constexpr Rect kAccessoriesPlace{8, 32, 526, 150};
inline constexpr Rect kButtonPlace{731, 516, 145, 33};
inline constexpr Rect kWarningPlace{374, 296, 505, 19};

// Column widths of the two lists, in pixels.
std::span<const int> driveColumns();
std::span<const int> accessoryColumns();

} // namespace kavro::form
