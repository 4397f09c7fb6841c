// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Poco::Net {
class HTTPServerResponse;
}

namespace kavro::server {

// The headers every answer carries, the page's and the API's alike: the
// page's own content policy, no framing, no sniffing, no referrer.
void addSiteHeaders(Poco::Net::HTTPServerResponse& response);

} // namespace kavro::server
