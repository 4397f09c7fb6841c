// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accounts/password_hasher.h"
#include "accounts/secret_token.h"
#include "json_reply.h"
#include "route_handlers.h"

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

std::string_view roleName(Role role) {
    return role == Role::admin ? "admin" : "member";
}

} // namespace

ApiReply signIn(const RouteCall& call) {
    const Json body = bodyObject(call.request);
    const std::string login = boundedText(body, "login", kMaxNameBytes);
    const std::string password = boundedText(body, "password", kMaxPasswordBytes);
    const SignInAnswer answer = call.server.signIn.signIn(login, password, call.request.address);
    if (answer.kind == SignInAnswer::Kind::wait) {
        ApiReply reply = errorReply(429, "слишком много неудачных попыток входа; подождите");
        reply.headers.emplace_back("Retry-After", std::to_string(answer.retryAfter));
        return reply;
    }
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
                        {"role", roleName(person.role)},
                        {"disabled", person.disabled}});
    return jsonReply({{"people", list}});
}

ApiReply addPerson(const RouteCall& call) {
    const Json body = bodyObject(call.request);
    const std::string login = boundedText(body, "login", kMaxNameBytes);
    const std::string password = boundedText(body, "password", kMaxPasswordBytes);
    const std::string role = textMember(body, "role");
    if (role != "admin" && role != "member")
        throw BadRequest("«role»: admin или member");
    if (password.size() < kMinPasswordBytes)
        throw BadRequest("пароль короче " + std::to_string(kMinPasswordBytes) + " знаков");
    if (call.server.storage.personByLogin(login))
        return errorReply(409, "такой логин уже есть");
    const std::string id = call.server.storage.addPerson(
        call.caller->firmId, login, role == "admin" ? Role::admin : Role::member,
        PasswordHasher::hash(password));
    return jsonReply({{"id", id}, {"login", login}, {"role", role}}, 201);
}

ApiReply disablePerson(const RouteCall& call) {
    if (!call.server.storage.disablePerson(call.caller->firmId, call.params[0]))
        return notFound();
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
