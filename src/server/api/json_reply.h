// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "api_message.h"

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

namespace kavro::server {

using Json = nlohmann::json;

ApiReply jsonReply(const Json& body, int status = 200);
// {"error": MESSAGE}: MESSAGE is the user's words and names no secret.
ApiReply errorReply(int status, const std::string& message);
ApiReply notFound();

// The body as a JSON object; throws BadRequest when it is none.
Json bodyObject(const ApiRequest& request);
// A text member of `object`; throws BadRequest when missing or not a text.
std::string textMember(const Json& object, const char* key);
// A whole number of the query between `low` and `high`, or `fallback`
// when the query has none; throws BadRequest for anything else.
std::int64_t queryNumber(const ApiRequest& request, const char* key, std::int64_t fallback,
                         std::int64_t low, std::int64_t high);

// A request that is malformed; answered 400 with its message.
class BadRequest : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace kavro::server
