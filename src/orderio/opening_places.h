// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text_place.h"

#include <string_view>
#include <vector>

namespace kavro {

// Where each opening of an order file's text begins (its opening brace), in
// the order of the openings, so that a message about an opening can name
// its line. Meant for a text that reads as JSON; in a damaged one the list
// may stop short.
std::vector<TextPlace> openingPlaces(std::string_view text);

} // namespace kavro
