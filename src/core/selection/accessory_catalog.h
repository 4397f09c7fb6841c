// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace kavro {

struct Accessory {
    std::string_view article;
    std::string_view description;
};

// Accessory number n, from 1 to 24.
const Accessory& accessory(int number);

// The description of the accessory with this article, empty for an article
// the catalogue lacks.
std::string_view accessoryDescription(std::string_view article);

} // namespace kavro
