// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random_id.h"

#include <cstdint>
#include <random>

namespace kavro {

std::string randomId() {
    // The system's entropy (the browser's crypto in WebAssembly); a generator
    // seeded once could repeat across devices started alike.
    std::random_device entropy;
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string id;
    id.reserve(32);
    for (int word = 0; word < 4; ++word) {
        std::uint32_t bits = entropy();
        for (int nibble = 0; nibble < 8; ++nibble, bits >>= 4)
            id.push_back(kDigits[bits & 0xF]);
    }
    return id;
}

} // namespace kavro
