// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "api/api.h"
#include "storage/storage.h"
#include "test_database.h"

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>

namespace kavro::server::test {

// A fresh server on a new database, called without the network, on a
// clock the test sets.
class ApiFixture {
public:
    ApiFixture();
    ~ApiFixture();
    // Makes the database and the server on it; once, before any call.
    void open(Backend backend);

    ApiReply call(const std::string& method, const std::string& path, const std::string& body = {},
                  const std::string& session = {}, const std::string& bearer = {});
    // Adds a person with the password "password-1" and signs them in.
    std::string signedIn(const std::string& firmId, const std::string& login, Role role);
    std::string sessionOf(const ApiReply& signInReply);

    std::filesystem::path folder;
    std::atomic<std::int64_t> now{1'800'000'000};
    std::unique_ptr<Storage> storage;
    std::unique_ptr<SignIn> signIn;
    std::unique_ptr<ChangeNotifier> notifier;
    std::unique_ptr<ServerContext> context;
    std::unique_ptr<Api> api;
};

// A small order file with two openings, titled `title`.
std::string orderText(const std::string& title);

} // namespace kavro::server::test
