// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace kavro {

// The style id of the table style called `name` in a styles part (its
// w:styles element). The grid style, "Сетка таблицы", is Word's built-in
// "Table Grid" under its Russian name, and is found under either; a
// document without it gets it, with single borders on every edge. Nothing
// when the document has no table style of that name and it is not the grid.
std::optional<std::string> tableStyleId(pugi::xml_node styles, std::string_view name);

} // namespace kavro
