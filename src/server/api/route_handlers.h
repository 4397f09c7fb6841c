// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "route_table.h"

// The handlers of the route table, by the file that holds them.
namespace kavro::server {

// account_routes.cpp
ApiReply signIn(const RouteCall& call);
ApiReply signOut(const RouteCall& call);
ApiReply whoAmI(const RouteCall& call);
ApiReply listPeople(const RouteCall& call);
ApiReply addPerson(const RouteCall& call);
ApiReply disablePerson(const RouteCall& call);
ApiReply resetPassword(const RouteCall& call);
ApiReply changeOwnPassword(const RouteCall& call);
ApiReply listTokens(const RouteCall& call);
ApiReply addToken(const RouteCall& call);
ApiReply revokeToken(const RouteCall& call);

// firm_routes.cpp
ApiReply getFirm(const RouteCall& call);
ApiReply putFirm(const RouteCall& call);
ApiReply getLogo(const RouteCall& call);
ApiReply putLogo(const RouteCall& call);
ApiReply deleteLogo(const RouteCall& call);
ApiReply getPrices(const RouteCall& call);
ApiReply putPrices(const RouteCall& call);

// order_routes.cpp
ApiReply listOrders(const RouteCall& call);
ApiReply pushOrder(const RouteCall& call);
ApiReply getOrder(const RouteCall& call);
ApiReply putOrder(const RouteCall& call);
ApiReply listConflicts(const RouteCall& call);
ApiReply resolveConflict(const RouteCall& call);

// change_routes.cpp
ApiReply listChanges(const RouteCall& call);

// health_route.cpp
ApiReply health(const RouteCall& call);

} // namespace kavro::server
