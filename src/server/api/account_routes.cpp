// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accounts/password_hasher.h"
#include "accounts/secret_token.h"
#include "json_reply.h"
#include "route_handlers.h"

#include <algorithm>

namespace kavro::server {

namespace {

constexpr std::string_view kCookie = "kavro_session";
// Logins, names and passwords are a line at most.
constexpr std::size_t kMaxNameBytes = 200;
constexpr std::size_t kMaxPasswordBytes = 1000;
constexpr std::size_t kMinPasswordBytes = 8;

std::string boundedText(const Json& object, const char* key, std::size_t max) {
    std::string text = textMember(object, key);
    if (text.empty() || text.size() > max)
        throw BadRequest(std::string("«") + key + "»: от 1 до " + std::to_string(max) + " байт");
    return text;
}

// Secure even on loopback: browsers keep such a cookie from
// http://127.0.0.1 too, and the page has no business reading it.
std::string cookie(const std::string& value, std::int64_t maxAge) {
    return std::string(kCookie) + "=" + value + "; Path=/; Max-Age=" + std::to_string(maxAge) +
           "; HttpOnly; Secure; SameSite=Strict";
}

// A new password as the people's routes take it: bounded, and not so
// short that it is guessed.
std::string newPassword(const Json& body, const char* key) {
    const std::string password = boundedText(body, key, kMaxPasswordBytes);
    if (password.size() < kMinPasswordBytes)
        throw BadRequest("пароль короче " + std::to_string(kMinPasswordBytes) + " знаков");
    return password;
}

ApiReply waitReply(const SignInAnswer& answer) {
    ApiReply reply = errorReply(429, "слишком много неудачных попыток входа; подождите");
    reply.headers.emplace_back("Retry-After", std::to_string(answer.retryAfter));
    return reply;
}

std::string_view roleName(Role role) {
    return role == Role::admin ? "admin" : "member";
}

} // namespace

ApiReply signIn(const RouteCall& call) {
    const Json body = bodyObject(call.request);
    const std::string login = boundedText(body, "login", kMaxNameBytes);
    const std::string password = boundedText(body, "password", kMaxPasswordBytes);
    const SignInAnswer answer = call.server.signIn.signIn(login, password, call.request.address);
    if (answer.kind == SignInAnswer::Kind::wait)
        return waitReply(answer);
    // The same words whether the login exists or not.
    if (answer.kind == SignInAnswer::Kind::refused)
        return errorReply(401, "неверный логин или пароль");
    ApiReply reply = jsonReply({{"login", login}, {"expiresAt", answer.expiresAt}});
    reply.headers.emplace_back("Set-Cookie", cookie(answer.sessionToken, SignIn::kSessionSeconds));
    return reply;
}

ApiReply signOut(const RouteCall& call) {
    if (!call.request.cookieSession.empty())
        call.server.signIn.signOut(call.request.cookieSession);
    ApiReply reply = jsonReply(Json::object());
    reply.headers.emplace_back("Set-Cookie", cookie("", 0));
    return reply;
}

ApiReply whoAmI(const RouteCall& call) {
    return jsonReply({{"login", call.caller->name}, {"role", roleName(call.caller->role)}});
}

ApiReply listPeople(const RouteCall& call) {
    Json list = Json::array();
    for (const Person& person : call.server.storage.people(call.caller->firmId))
        list.push_back({{"id", person.id},
                        {"login", person.login},
                        {"name", person.name},
                        {"role", roleName(person.role)},
                        {"disabled", person.disabled}});
    return jsonReply({{"people", list}});
}

ApiReply addPerson(const RouteCall& call) {
    const Json body = bodyObject(call.request);
    const std::string login = boundedText(body, "login", kMaxNameBytes);
    const std::string password = newPassword(body, "password");
    const std::string name = body.contains("name") ? textMember(body, "name") : std::string();
    if (name.size() > kMaxNameBytes)
        throw BadRequest("«name»: не длиннее " + std::to_string(kMaxNameBytes) + " байт");
    const std::string role = textMember(body, "role");
    if (role != "admin" && role != "member")
        throw BadRequest("«role»: admin или member");
    if (call.server.storage.personByLogin(login))
        return errorReply(409, "такой логин уже есть");
    const std::string id = call.server.storage.addPerson(
        call.caller->firmId, login, name, role == "admin" ? Role::admin : Role::member,
        PasswordHasher::hash(password));
    return jsonReply({{"id", id}, {"login", login}, {"name", name}, {"role", role}}, 201);
}

ApiReply disablePerson(const RouteCall& call) {
    if (!call.server.storage.disablePerson(call.caller->firmId, call.params[0]))
        return notFound();
    return jsonReply(Json::object());
}

// An admin sets a person's password (a forgotten one); every session of
// theirs ends, but the admin's own when they reset their own.
ApiReply resetPassword(const RouteCall& call) {
    const std::string password = newPassword(bodyObject(call.request), "password");
    const auto people = call.server.storage.people(call.caller->firmId);
    const auto person = std::find_if(people.begin(), people.end(),
                                     [&](const Person& p) { return p.id == call.params[0]; });
    if (person == people.end())
        return notFound();
    const bool own = person->id == call.caller->personId && !call.request.cookieSession.empty();
    call.server.storage.setPasswordHash(person->id, PasswordHasher::hash(password),
                                        own ? SecretToken::hashOf(call.request.cookieSession)
                                            : std::string());
    return jsonReply(Json::object());
}

// A person changes their own password, the current one given again; their
// other sessions end (a phone left signed in somewhere), this one stays.
ApiReply changeOwnPassword(const RouteCall& call) {
    if (call.caller->personId.empty() || call.request.cookieSession.empty())
        return errorReply(403, "пароль меняет только вошедший человек");
    const Json body = bodyObject(call.request);
    const std::string current = boundedText(body, "current", kMaxPasswordBytes);
    const std::string password = newPassword(body, "password");
    const SignInAnswer checked =
        call.server.signIn.confirmPassword(call.caller->name, current, call.request.address);
    if (checked.kind == SignInAnswer::Kind::wait)
        return waitReply(checked);
    if (checked.kind != SignInAnswer::Kind::signedIn)
        return errorReply(403, "текущий пароль неверен");
    call.server.storage.setPasswordHash(call.caller->personId, PasswordHasher::hash(password),
                                        SecretToken::hashOf(call.request.cookieSession));
    return jsonReply(Json::object());
}

ApiReply listTokens(const RouteCall& call) {
    Json list = Json::array();
    for (const ScriptToken& token : call.server.storage.tokens(call.caller->firmId))
        list.push_back({{"id", token.id}, {"name", token.name}});
    return jsonReply({{"tokens", list}});
}

ApiReply addToken(const RouteCall& call) {
    const std::string name = boundedText(bodyObject(call.request), "name", kMaxNameBytes);
    const std::string token = SecretToken::make();
    const std::string id =
        call.server.storage.addToken(call.caller->firmId, name, SecretToken::hashOf(token));
    // The only time the token is shown: only its hash is kept.
    return jsonReply({{"id", id}, {"name", name}, {"token", token}}, 201);
}

ApiReply revokeToken(const RouteCall& call) {
    if (!call.server.storage.revokeToken(call.caller->firmId, call.params[0]))
        return notFound();
    return jsonReply(Json::object());
}

} // namespace kavro::server
