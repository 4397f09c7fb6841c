// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "order_document.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// The list of an order's openings as the user sees it, one row per opening.
struct OpeningRow {
    enum Column { Number, Location, Count, Size, Drive, Torque, ColumnCount };

    int number = 0; // from 1
    std::string location;
    int count = 0;
    std::string size; // "width × height"
    // The drive in effect and the required torque, as the form shows them.
    std::string drive;
    std::string torque;

    bool operator==(const OpeningRow&) const = default;
};

// The captions of the list's columns, in Column order.
inline constexpr std::array<std::string_view, OpeningRow::ColumnCount> kOpeningColumnCaptions = {
    "№", "Проём", "Кол-во", "Ш × В, мм", "Привод", "Момент, Нм"};

// The opening's size as the list shows it: "width × height".
std::string openingSizeText(const Opening& opening);

// The row of the opening at `index`; works out its results if not known yet.
OpeningRow openingRow(const OrderDocument& document, std::size_t index);

// One accessory of an opening with the quantity it takes.
struct OpeningAccessoryRow {
    std::string article;
    std::string name;
    int quantity = 0;
    // The drive in effect offers it; one the opening keeps although its
    // drive does not offer it is listed too, never dropped silently: the
    // user sets it to 0 to take it off.
    bool offered = true;

    bool operator==(const OpeningAccessoryRow&) const = default;
};

// What an accessory that is not offered is called in the list.
inline constexpr std::string_view kNotOfferedName = "(не предлагается для этого привода)";

// An opening's accessories: those its drive offers, in the form's order,
// then those it keeps that are not offered.
std::vector<OpeningAccessoryRow> openingAccessoryRows(const OrderDocument& document,
                                                      std::size_t index);

} // namespace kavro
