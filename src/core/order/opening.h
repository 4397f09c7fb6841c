// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../money/money.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kavro {

// What the installer enters for one opening, as the window holds it: the
// texts of the fields and drop-downs, the chosen items of the radio groups,
// the crank's flag. Applied to a fresh window through the user's own actions,
// these give back exactly the screen they were taken from. The defaults are
// the window's own once it has started.
struct OpeningInputs {
    std::string profile = "Другой";   // Profil's text
    std::string profileType;          // TipProfilya's text, empty for an own profile
    std::string shaft = "40";         // Diametr's text
    std::string thickness = "2";      // Tolwina, mm
    std::string height = "2000";      // Visota, mm
    std::string width = "1000";       // Wirina, mm
    std::string specificWeight = "1"; // Massa, kg/m2
    std::string endProfile = "0,5";   // NizhniyProfil, kg per running metre
    int mounting = 0;                 // Montazh item
    int control = 0;                  // Upravlenie item
    int fixing = 0;                   // Kreplenie item
    bool crank = false;               // NHK checked

    bool operator==(const OpeningInputs&) const = default;
};

// How many of one accessory an opening takes.
struct AccessoryQuantity {
    std::string article;
    int quantity = 0;

    bool operator==(const AccessoryQuantity&) const = default;
};

// One opening of an order: where it is, how many identical ones there are,
// the shutter's inputs, the drive chosen for it and the accessories wanted.
struct Opening {
    static constexpr int kMinCount = 1;
    static constexpr int kMaxCount = 999;
    static constexpr int kMaxAccessoryQuantity = 999;

    std::string location;
    int count = 1;
    OpeningInputs inputs;
    // Article of the chosen drive; empty means the drive the window chooses
    // by itself (the first one it lists).
    std::string drive;
    // Accessories with a quantity, in the order they were entered; an
    // accessory not named here has quantity 0.
    std::vector<AccessoryQuantity> accessories;
    // The price of installing one of these openings, when it differs from
    // the firm's price per opening (a second floor, a bricked-up box).
    // Absent: the firm's price. Zero is a price of its own: work done free.
    std::optional<Money> installationPrice{};

    // The dearest installation of one opening that is accepted: far above
    // any real one, and low enough that the price times the most openings
    // of an order (999 each, 100,000 of them) still fits 64 bits of kopecks.
    static constexpr Money kMaxInstallationPrice{100'000'000'00};

    // The firm's server's record of this opening: its id (random 128 bits as
    // hex, made by whichever device created it) and the order revision it
    // last changed at. An empty id: never shared with a server.
    std::string id{};
    std::int64_t revision = 0;

    bool operator==(const Opening&) const = default;
};

} // namespace kavro
