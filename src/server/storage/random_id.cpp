// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random_id.h"

#include <sodium.h>
#include <stdexcept>
#include <vector>

namespace kavro::server {

std::string randomHex(std::size_t bytes) {
    if (sodium_init() < 0)
        throw std::runtime_error("libsodium cannot start");
    std::vector<unsigned char> raw(bytes);
    randombytes_buf(raw.data(), raw.size());
    std::string hex(bytes * 2 + 1, '\0');
    sodium_bin2hex(hex.data(), hex.size(), raw.data(), raw.size());
    hex.pop_back();
    return hex;
}

} // namespace kavro::server
