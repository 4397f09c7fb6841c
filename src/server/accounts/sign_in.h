// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "storage/storage.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace kavro::server {

// Who a request is from: a signed-in person or a firm's script token. The
// firm is always the session's or the token's.
struct Caller {
    std::string firmId;
    std::string personId; // empty for a script token
    std::string name;     // the login, or "token:NAME"
    Role role = Role::member;
};

struct SignInAnswer {
    enum class Kind { signedIn, refused, wait };
    Kind kind = Kind::refused;
    std::string sessionToken; // when signed in: the cookie's value
    std::int64_t expiresAt = 0;
    std::int64_t retryAfter = 0; // seconds, when told to wait
};

// Sign-in, sessions and script tokens over the storage. Failures are
// counted in the database per login and per address, so that every server
// process sees them; past a few, each further try waits longer, up to
// kMaxWait, whatever the password.
class SignIn {
public:
    using Clock = std::function<std::int64_t()>; // seconds since the epoch

    static constexpr std::int64_t kSessionSeconds = 12 * 3600;
    static constexpr std::int64_t kFreeLoginFailures = 5;
    static constexpr std::int64_t kFreeAddressFailures = 20;
    static constexpr std::int64_t kMaxWait = 15 * 60;

    SignIn(Storage& storage, Clock clock);

    SignInAnswer signIn(const std::string& login, const std::string& password,
                        const std::string& address);
    // The password of a signed-in person asked again (to change it): told
    // `signedIn` when right, and counted and slowed down as a sign-in is,
    // so that a session left open does not let anyone try passwords freely.
    SignInAnswer confirmPassword(const std::string& login, const std::string& password,
                                 const std::string& address);
    void signOut(const std::string& sessionToken);
    std::optional<Caller> bySession(const std::string& sessionToken);
    std::optional<Caller> byScriptToken(const std::string& token);

    // The wait after `failures` failures with `free` of them let through.
    static std::int64_t waitAfter(std::int64_t failures, std::int64_t free);

private:
    SignInAnswer check(const std::string& login, const std::string& password,
                       const std::string& address, std::optional<Person>& person);
    std::int64_t secondsToWait(const std::string& key, std::int64_t free, std::int64_t now);

    Storage& storage_;
    Clock clock_;
};

} // namespace kavro::server
