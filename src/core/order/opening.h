// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../form/opening_inputs.h"
#include "../money/money.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kavro {

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
    // of an order (kMaxCount each, Order::kMaxOpenings of them) still fits
    // 64 bits of kopecks.
    static constexpr Money kMaxInstallationPrice{100'000'000'00};

    // The firm's server's record of this opening: its id (random 128 bits as
    // hex, made by whichever device created it) and the order revision it
    // last changed at. An empty id: never shared with a server.
    std::string id{};
    std::int64_t revision = 0;

    bool operator==(const Opening&) const = default;
};

} // namespace kavro
