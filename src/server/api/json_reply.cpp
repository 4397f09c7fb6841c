// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "json_reply.h"

#include <charconv>

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

std::int64_t queryNumber(const ApiRequest& request, const char* key, std::int64_t fallback,
                         std::int64_t low, std::int64_t high) {
    const auto it = request.query.find(key);
    if (it == request.query.end())
        return fallback;
    std::int64_t value = 0;
    const std::string& text = it->second;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw BadRequest(std::string("«") + key + "»: целое от " + std::to_string(low) + " до " +
                         std::to_string(high));
    return value;
}

} // namespace kavro::server
