// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "password_hasher.h"

#include <semaphore>
#include <sodium.h>
#include <stdexcept>

namespace kavro::server {

namespace {

std::counting_semaphore<PasswordHasher::kConcurrent>& slots() {
    static std::counting_semaphore<PasswordHasher::kConcurrent> semaphore(
        PasswordHasher::kConcurrent);
    return semaphore;
}

class Slot {
public:
    Slot() { slots().acquire(); }
    ~Slot() { slots().release(); }
    Slot(const Slot&) = delete;
    Slot& operator=(const Slot&) = delete;
};

void start() {
    if (sodium_init() < 0)
        throw std::runtime_error("libsodium cannot start");
}

} // namespace

std::string PasswordHasher::hash(std::string_view password) {
    start();
    const Slot slot;
    char encoded[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(
            encoded, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
            crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13) != 0)
        throw std::runtime_error("not enough memory to hash a password");
    return encoded;
}

bool PasswordHasher::verify(const std::string& encoded, std::string_view password) {
    start();
    const Slot slot;
    return crypto_pwhash_str_verify(encoded.c_str(), password.data(), password.size()) == 0;
}

void PasswordHasher::spendVerifyTime(std::string_view password) {
    static const std::string unused = hash("a password no one has");
    verify(unused, password);
}

} // namespace kavro::server
