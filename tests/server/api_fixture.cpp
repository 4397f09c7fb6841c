// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "api_fixture.h"

#include "accounts/password_hasher.h"
#include "orderio/order_file.h"
#include "storage/open_storage.h"
#include "storage/random_id.h"

#include <nlohmann/json.hpp>

namespace kavro::server::test {

ApiFixture::ApiFixture()
    : folder(std::filesystem::temp_directory_path() / ("kavro-server-test-" + randomHex(8))) {}

void ApiFixture::open(Backend backend) {
    storage =
        openStorage(backend == Backend::postgres ? newPostgresDatabase() : std::string(), folder);
    signIn = std::make_unique<SignIn>(*storage, [this] { return now.load(); });
    notifier = std::make_unique<ChangeNotifier>(*storage);
    context = std::make_unique<ServerContext>(
        ServerContext{*storage, *signIn, *notifier, [this] { return now.load(); }});
    api = std::make_unique<Api>(*context);
}

ApiFixture::~ApiFixture() {
    api.reset();
    notifier.reset();
    storage.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

ApiReply ApiFixture::call(const std::string& method, const std::string& path,
                          const std::string& body, const std::string& session,
                          const std::string& bearer) {
    ApiRequest request;
    request.method = method;
    const auto question = path.find('?');
    request.path = path.substr(0, question);
    for (std::size_t at = question; at != std::string::npos;) {
        const auto end = path.find('&', at + 1);
        const std::string pair = path.substr(at + 1, end - at - 1);
        const auto equals = pair.find('=');
        request.query[pair.substr(0, equals)] = pair.substr(equals + 1);
        at = end;
    }
    request.body = body;
    request.cookieSession = session;
    request.bearer = bearer;
    request.address = "127.0.0.1";
    return api->handle(request);
}

std::string ApiFixture::sessionOf(const ApiReply& reply) {
    for (const auto& [name, value] : reply.headers)
        if (name == "Set-Cookie")
            return value.substr(value.find('=') + 1, value.find(';') - value.find('=') - 1);
    return {};
}

std::string ApiFixture::signedIn(const std::string& firmId, const std::string& login, Role role) {
    storage->addPerson(firmId, login, {}, role, PasswordHasher::hash("password-1"));
    const nlohmann::json body{{"login", login}, {"password", "password-1"}};
    return sessionOf(call("POST", "/api/v1/sign-in", body.dump()));
}

std::string orderText(const std::string& title) {
    Order order;
    order.title = title;
    order.openings.resize(2);
    order.openings[0].location = "Кухня";
    order.openings[1].location = "Зал";
    return OrderFile::serialize(order);
}

} // namespace kavro::server::test
