// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sign_in.h"

#include "password_hasher.h"
#include "secret_token.h"

#include <algorithm>

namespace kavro::server {

namespace {

std::string loginKey(const std::string& login) {
    return "login:" + login;
}

std::string addressKey(const std::string& address) {
    return "address:" + address;
}

} // namespace

SignIn::SignIn(Storage& storage, Clock clock) : storage_(storage), clock_(std::move(clock)) {}

std::int64_t SignIn::waitAfter(std::int64_t failures, std::int64_t free) {
    if (failures < free)
        return 0;
    const std::int64_t doublings = std::min<std::int64_t>(failures - free, 20);
    return std::min<std::int64_t>(std::int64_t{1} << doublings, kMaxWait);
}

std::int64_t SignIn::secondsToWait(const std::string& key, std::int64_t free, std::int64_t now) {
    const Failures failures = storage_.failures(key);
    const std::int64_t until = failures.lastAt + waitAfter(failures.count, free);
    return failures.count >= free && until > now ? until - now : 0;
}

SignInAnswer SignIn::check(const std::string& login, const std::string& password,
                           const std::string& address, std::optional<Person>& person) {
    const std::int64_t now = clock_();
    const std::int64_t wait =
        std::max(secondsToWait(loginKey(login), kFreeLoginFailures, now),
                 secondsToWait(addressKey(address), kFreeAddressFailures, now));
    if (wait > 0)
        return {SignInAnswer::Kind::wait, {}, 0, wait};
    person = storage_.personByLogin(login);
    bool good = false;
    if (person && !person->disabled)
        good = PasswordHasher::verify(person->passwordHash, password);
    else
        PasswordHasher::spendVerifyTime(password);
    if (!good) {
        storage_.addFailure(loginKey(login), now);
        storage_.addFailure(addressKey(address), now);
        return {};
    }
    storage_.clearFailures(loginKey(login));
    return {SignInAnswer::Kind::signedIn, {}, 0, 0};
}

SignInAnswer SignIn::signIn(const std::string& login, const std::string& password,
                            const std::string& address) {
    std::optional<Person> person;
    const SignInAnswer checked = check(login, password, address, person);
    if (checked.kind != SignInAnswer::Kind::signedIn)
        return checked;
    const std::string token = SecretToken::make();
    const std::int64_t expires = clock_() + kSessionSeconds;
    storage_.addSession(SecretToken::hashOf(token), person->id, expires);
    return {SignInAnswer::Kind::signedIn, token, expires, 0};
}

SignInAnswer SignIn::confirmPassword(const std::string& login, const std::string& password,
                                     const std::string& address) {
    std::optional<Person> person;
    return check(login, password, address, person);
}

void SignIn::signOut(const std::string& sessionToken) {
    storage_.endSession(SecretToken::hashOf(sessionToken));
}

std::optional<Caller> SignIn::bySession(const std::string& sessionToken) {
    const auto person = storage_.sessionPerson(SecretToken::hashOf(sessionToken), clock_());
    if (!person)
        return std::nullopt;
    return Caller{person->firmId, person->id, person->login, person->role};
}

std::optional<Caller> SignIn::byScriptToken(const std::string& token) {
    const auto found = storage_.tokenByHash(SecretToken::hashOf(token));
    if (!found)
        return std::nullopt;
    return Caller{found->firmId, {}, "token:" + found->name, Role::member};
}

} // namespace kavro::server
