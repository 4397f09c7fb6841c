// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace kavro {

// What the turn count shows: the texts of Oboroti and MaxDiametr, or a
// failure. When the count fails after the turns were already worked out,
// `turns` holds the text shown before the failure put "0" in both fields.
struct TurnCount {
    std::string turns;
    std::string maxDiameter;
    bool failed = false;
};

// The inputs the count reads, as the fields hold them.
struct TurnCountInputs {
    std::string height;    // Visota, mm
    std::string shaft;     // Diametr, mm
    int fixing = -1;       // Kreplenie choice
    std::string thickness; // Tolwina, mm
    bool operator==(const TurnCountInputs&) const = default;
};

} // namespace kavro
