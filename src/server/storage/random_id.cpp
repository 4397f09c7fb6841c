// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random_id.h"

#include <sodium.h>
#include <stdexcept>
#include <vector>

namespace kavro::server {

namespace {

std::string hexOf(const std::vector<unsigned char>& raw) {
    std::string hex(raw.size() * 2 + 1, '\0');
    sodium_bin2hex(hex.data(), hex.size(), raw.data(), raw.size());
    hex.pop_back();
    return hex;
}

void startSodium() {
    if (sodium_init() < 0)
        throw std::runtime_error("libsodium cannot start");
}

} // namespace

std::string randomHex(std::size_t bytes) {
    startSodium();
    std::vector<unsigned char> raw(bytes);
    randombytes_buf(raw.data(), raw.size());
    return hexOf(raw);
}

std::string derivedHex(const std::string& key) {
    startSodium();
    std::vector<unsigned char> raw(16);
    crypto_generichash(raw.data(), raw.size(), reinterpret_cast<const unsigned char*>(key.data()),
                       key.size(), nullptr, 0);
    return hexOf(raw);
}

} // namespace kavro::server
