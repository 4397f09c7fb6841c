// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace kavro::server {

// Session and script tokens: 256 random bits, shown once; only their hash
// is kept, so that a copy of the database signs no one in.
struct SecretToken {
    static std::string make();
    // A fast hash is enough: the token is random, not a chosen password.
    static std::string hashOf(std::string_view token);
};

} // namespace kavro::server
