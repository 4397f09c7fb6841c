// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// The profile makers and their types as the window offers them, with the
// thickness and specific weight that choosing a type puts into the window.
// Read off a started window, so that a spreadsheet is checked against
// exactly what the window would take.
class ProfileTypes {
public:
    struct Type {
        std::string name;
        std::string thickness;      // Tolwina's text once the type is chosen
        std::string specificWeight; // Massa's text
    };

    ProfileTypes();

    // The Profil items, the makers and "Другой".
    const std::vector<std::string>& makers() const { return makers_; }
    // The types of a maker; empty for a profile of one's own or an unknown
    // maker.
    const std::vector<Type>& typesOf(std::string_view maker) const;
    // The type `name` of `maker`, nullptr when the maker has no such type.
    const Type* find(std::string_view maker, std::string_view name) const;

private:
    std::vector<std::string> makers_;
    // One list per maker, in the order of makers_.
    std::vector<std::vector<Type>> types_;
};

} // namespace kavro
