// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "api.h"

#include "json_reply.h"
#include "orderio/text_file_error.h"
#include "route_table.h"

#include <iostream>

namespace kavro::server {

namespace {

std::optional<Caller> callerOf(const ApiRequest& request, SignIn& signIn) {
    if (!request.cookieSession.empty())
        return signIn.bySession(request.cookieSession);
    if (!request.bearer.empty())
        return signIn.byScriptToken(request.bearer);
    return std::nullopt;
}

} // namespace

ApiReply Api::dispatch(const ApiRequest& request) {
    bool pathKnown = false;
    for (const Route& route : routes()) {
        auto params = matchPath(route.pattern, request.path);
        if (!params)
            continue;
        pathKnown = true;
        if (route.method != request.method)
            continue;
        std::optional<Caller> caller;
        if (route.access != Access::anyone) {
            caller = callerOf(request, server_.signIn);
            if (!caller)
                return errorReply(401, "нужно войти");
            if (route.access == Access::admin && caller->role != Role::admin)
                return errorReply(403, "только для администратора фирмы");
        }
        return route.handler({request, std::move(*params), caller ? &*caller : nullptr, server_});
    }
    return pathKnown ? errorReply(405, "метод не поддерживается") : notFound();
}

ApiReply Api::handle(const ApiRequest& request) {
    try {
        return dispatch(request);
    } catch (const BadRequest& error) {
        return errorReply(400, error.what());
    } catch (const TextFileError& error) {
        return errorReply(422, error.what());
    } catch (const nlohmann::json::exception& error) {
        return errorReply(400, std::string("JSON: ") + error.what());
    } catch (const std::exception& error) {
        // A fault of the server, not of the request: logged here, told
        // to the client without its details.
        std::cerr << "kavro-server: " << request.method << ' ' << request.path << ": "
                  << error.what() << '\n';
        return errorReply(500, "ошибка сервера");
    }
}

} // namespace kavro::server
