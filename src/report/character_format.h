// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <pugixml.hpp>

namespace kavro {

// The character formatting that the report sets: bold and font size. What
// is not set is left to the document's styles.
struct CharacterFormat {
    std::optional<bool> bold;
    std::optional<double> size; // points

    // Writes what is set into run properties (w:rPr).
    void applyTo(pugi::xml_node rPr) const;
    // What run properties set of bold and size.
    static CharacterFormat of(pugi::xml_node rPr);
};

// Sets bold on or off in run properties, for all scripts.
void setBold(pugi::xml_node rPr, bool bold);

} // namespace kavro
