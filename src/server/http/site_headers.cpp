// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "site_headers.h"

#include <Poco/Net/HTTPServerResponse.h>

namespace kavro::server {

void addSiteHeaders(Poco::Net::HTTPServerResponse& response) {
    response.set("Content-Security-Policy",
                 "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
                 "img-src 'self' data:; connect-src 'self'; worker-src 'self'; "
                 "manifest-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'; "
                 "frame-ancestors 'none'");
    response.set("X-Content-Type-Options", "nosniff");
    response.set("Referrer-Policy", "no-referrer");
    response.set("X-Frame-Options", "DENY");
    response.set("Cross-Origin-Opener-Policy", "same-origin");
}

} // namespace kavro::server
