// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

namespace kavro::server {

// `bytes` random bytes from the system's generator, as lowercase hex. 16
// bytes make an id no other device will make; 32 a secret no one can guess.
std::string randomHex(std::size_t bytes = 16);

// 16 bytes as lowercase hex made from `key` by BLAKE2b: the same key, the
// same id; no one finds a key that makes a given id.
std::string derivedHex(const std::string& key);

} // namespace kavro::server
