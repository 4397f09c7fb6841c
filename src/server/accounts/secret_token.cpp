// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "secret_token.h"

#include "storage/random_id.h"

#include <array>
#include <sodium.h>

namespace kavro::server {

std::string SecretToken::make() {
    return randomHex(32);
}

std::string SecretToken::hashOf(std::string_view token) {
    std::array<unsigned char, crypto_generichash_BYTES> digest{};
    crypto_generichash(digest.data(), digest.size(),
                       reinterpret_cast<const unsigned char*>(token.data()), token.size(), nullptr,
                       0);
    std::array<char, crypto_generichash_BYTES * 2 + 1> hex{};
    sodium_bin2hex(hex.data(), hex.size(), digest.data(), digest.size());
    return hex.data();
}

} // namespace kavro::server
