// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace kavro::server {

// Argon2id through libsodium, with its "interactive" limits: 2 passes over
// 64 MiB, about 0.1 s on one core. At most kConcurrent hashes run at once,
// the others wait, so that a burst of sign-ins holds at most 128 MiB and
// leaves the cores to everything else.
class PasswordHasher {
public:
    static constexpr int kConcurrent = 2;

    // The encoded hash (algorithm, limits, salt and digest in one text).
    static std::string hash(std::string_view password);
    static bool verify(const std::string& encoded, std::string_view password);
    // Takes as long as a verify, for a login that does not exist, so that
    // the time of a refusal does not tell whether the login exists.
    static void spendVerifyTime(std::string_view password);
};

} // namespace kavro::server
