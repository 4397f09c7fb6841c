// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "route_table.h"

#include "route_handlers.h"

#include <array>

namespace kavro::server {

namespace {

constexpr auto kRoutes = std::to_array<Route>({
    {"POST", "/api/v1/sign-in", Access::anyone, signIn},
    {"POST", "/api/v1/sign-out", Access::member, signOut},
    {"GET", "/api/v1/me", Access::member, whoAmI},
    {"POST", "/api/v1/me/password", Access::member, changeOwnPassword},
    {"GET", "/api/v1/orders", Access::member, listOrders},
    {"POST", "/api/v1/orders", Access::member, pushOrder},
    {"GET", "/api/v1/orders/{order}", Access::member, getOrder},
    {"PUT", "/api/v1/orders/{order}", Access::member, putOrder},
    {"GET", "/api/v1/orders/{order}/conflicts", Access::member, listConflicts},
    {"POST", "/api/v1/orders/{order}/conflicts/{conflict}", Access::member, resolveConflict},
    {"GET", "/api/v1/changes", Access::member, listChanges},
    {"GET", "/api/v1/firm", Access::member, getFirm},
    {"PUT", "/api/v1/firm", Access::admin, putFirm},
    {"GET", "/api/v1/firm/logo", Access::member, getLogo},
    {"PUT", "/api/v1/firm/logo", Access::admin, putLogo},
    {"DELETE", "/api/v1/firm/logo", Access::admin, deleteLogo},
    {"GET", "/api/v1/prices", Access::member, getPrices},
    {"PUT", "/api/v1/prices", Access::admin, putPrices},
    {"GET", "/api/v1/people", Access::admin, listPeople},
    {"POST", "/api/v1/people", Access::admin, addPerson},
    {"POST", "/api/v1/people/{person}/disable", Access::admin, disablePerson},
    {"POST", "/api/v1/people/{person}/password", Access::admin, resetPassword},
    {"GET", "/api/v1/tokens", Access::admin, listTokens},
    {"POST", "/api/v1/tokens", Access::admin, addToken},
    {"DELETE", "/api/v1/tokens/{token}", Access::admin, revokeToken},
    {"GET", "/healthz", Access::anyone, health},
});

} // namespace

std::span<const Route> routes() {
    return kRoutes;
}

std::optional<std::vector<std::string>> matchPath(std::string_view pattern, std::string_view path) {
    std::vector<std::string> params;
    while (!pattern.empty() || !path.empty()) {
        if (pattern.empty() || path.empty() || pattern[0] != '/' || path[0] != '/')
            return std::nullopt;
        pattern.remove_prefix(1);
        path.remove_prefix(1);
        const std::string_view want = pattern.substr(0, pattern.find('/'));
        const std::string_view have = path.substr(0, path.find('/'));
        if (want.starts_with('{')) {
            if (have.empty())
                return std::nullopt;
            params.emplace_back(have);
        } else if (want != have) {
            return std::nullopt;
        }
        pattern.remove_prefix(want.size());
        path.remove_prefix(have.size());
    }
    return params;
}

} // namespace kavro::server
