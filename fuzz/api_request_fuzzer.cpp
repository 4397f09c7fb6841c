// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: arbitrary bytes as a request to the server's API, from
// a signed-in admin of a firm that has an order. The first line is the
// method, the second the path with its query, the rest the body. Every
// request must be answered with a status of its own: a refusal (4xx) or a
// success, never a server fault (5xx), and always with a JSON body where
// the reply says it is JSON.
#include "accounts/secret_token.h"
#include "api/api.h"
#include "finding.h"
#include "storage/random_id.h"
#include "storage/sqlite_storage.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string_view>

namespace {

using namespace kavro::server;

constexpr const char* kSession = "fuzz-session";

// One server for the whole run: its storage outlives every request.
struct FuzzServer {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kavro-api-fuzz-" + randomHex(8));
    SqliteStorage storage{folder};
    SignIn signIn{storage, [] { return std::int64_t{1'800'000'000}; }};
    ChangeNotifier notifier{storage};
    ServerContext context{storage, signIn, notifier, [] { return std::int64_t{1'800'000'000}; }};
    Api api{context};

    FuzzServer() {
        const std::string firm = storage.addFirm("Фирма");
        const std::string person = storage.addPerson(firm, "admin", {}, Role::admin, "unused");
        storage.addSession(SecretToken::hashOf(kSession), person, INT64_MAX);
        ApiRequest push{"POST",
                        "/api/v1/orders",
                        {{"edit", "seed"}},
                        kSession,
                        {},
                        "127.0.0.1",
                        R"({"format": "kavro-order", "version": 3, "id": "order-1",
                            "openings": [{"id": "opening-1"}]})"};
        api.handle(push);
    }
    ~FuzzServer() { std::filesystem::remove_all(folder); }
};

std::string line(std::string_view& text) {
    const auto end = text.find('\n');
    std::string first(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return first;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzServer server;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    ApiRequest request;
    request.method = line(text);
    const std::string target = line(text);
    const auto question = target.find('?');
    request.path = target.substr(0, question);
    // Every parameter of the query: an edit names its id, the revision it
    // counts from and whether it is sent in part all at once.
    std::string_view query = question == std::string::npos
                                 ? std::string_view()
                                 : std::string_view(target).substr(question + 1);
    while (!query.empty()) {
        const std::string_view pair = query.substr(0, query.find('&'));
        query.remove_prefix(std::min(query.size(), pair.size() + 1));
        const auto equals = pair.find('=');
        request.query[std::string(pair.substr(0, equals))] =
            equals == std::string_view::npos ? "" : std::string(pair.substr(equals + 1));
    }
    request.body = std::string(text);
    request.cookieSession = kSession;
    request.address = "127.0.0.1";
    // Waiting for changes would only slow the run down.
    request.query.erase("wait");
    const ApiReply reply = server.api.handle(request);
    if (reply.status < 200 || reply.status >= 500)
        kavro::fuzz::finding("a request was answered with a server fault");
    if (reply.contentType == "application/json" && !nlohmann::json::accept(reply.body))
        kavro::fuzz::finding("a JSON reply is not JSON");
    return 0;
}
