// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "json_reply.h"

namespace kavro::server {

ApiReply jsonReply(const Json& body, int status) {
    ApiReply reply;
    reply.status = status;
    // Invalid UTF-8 from a stored text is replaced rather than thrown on.
    reply.body = body.dump(-1, ' ', false, Json::error_handler_t::replace);
    return reply;
}

ApiReply errorReply(int status, const std::string& message) {
    return jsonReply(Json{{"error", message}}, status);
}

ApiReply notFound() {
    return errorReply(404, "нет такой записи");
}

Json bodyObject(const ApiRequest& request) {
    Json body = Json::parse(request.body, nullptr, false);
    if (!body.is_object())
        throw BadRequest("ожидается объект JSON");
    return body;
}

std::string textMember(const Json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string())
        throw BadRequest(std::string("ожидается текст «") + key + "»");
    return it->get<std::string>();
}

} // namespace kavro::server
