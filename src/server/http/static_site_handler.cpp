// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "static_site_handler.h"

#include "site_headers.h"

#include <Poco/Net/HTTPServerRequest.h>
#include <Poco/Net/HTTPServerResponse.h>
#include <Poco/URI.h>
#include <array>
#include <fstream>

namespace kavro::server {

namespace {

std::string contentTypeOf(const std::filesystem::path& file) {
    static constexpr std::array<std::pair<const char*, const char*>, 9> kTypes = {{
        {".html", "text/html; charset=utf-8"},
        {".js", "text/javascript; charset=utf-8"},
        {".css", "text/css; charset=utf-8"},
        {".wasm", "application/wasm"},
        {".png", "image/png"},
        {".jpg", "image/jpeg"},
        {".json", "application/json"},
        {".webmanifest", "application/manifest+json"},
        {".svg", "image/svg+xml"},
    }};
    const std::string extension = file.extension().string();
    for (const auto& [ending, type] : kTypes)
        if (extension == ending)
            return type;
    return "application/octet-stream";
}

void refuse(Poco::Net::HTTPServerResponse& response, Poco::Net::HTTPResponse::HTTPStatus status) {
    response.setStatus(status);
    addSiteHeaders(response);
    response.setContentLength(0);
    response.send();
}

} // namespace

void StaticSiteHandler::handleRequest(Poco::Net::HTTPServerRequest& request,
                                      Poco::Net::HTTPServerResponse& response) {
    const std::string& method = request.getMethod();
    if (method != "GET" && method != "HEAD")
        return refuse(response, Poco::Net::HTTPResponse::HTTP_METHOD_NOT_ALLOWED);
    std::string path;
    try {
        path = Poco::URI(request.getURI()).getPath();
    } catch (const Poco::Exception&) {
        return refuse(response, Poco::Net::HTTPResponse::HTTP_BAD_REQUEST);
    }
    if (path.ends_with('/'))
        path += "index.html";
    // Decoded, the path may hold "..": only plain names below the root.
    const std::filesystem::path relative = std::filesystem::path(path).relative_path();
    for (const auto& part : relative)
        if (part == ".." || part == "." || part.string().starts_with('.'))
            return refuse(response, Poco::Net::HTTPResponse::HTTP_NOT_FOUND);
    const std::filesystem::path file = root_ / relative;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return refuse(response, Poco::Net::HTTPResponse::HTTP_NOT_FOUND);
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return refuse(response, Poco::Net::HTTPResponse::HTTP_NOT_FOUND);
    addSiteHeaders(response);
    response.setContentType(contentTypeOf(file));
    // The service worker and the page are looked at afresh; the rest is
    // named by content and kept by the worker's cache.
    const bool fresh = file.filename() == "sw.js" || file.extension() == ".html";
    response.set("Cache-Control", fresh ? "no-cache" : "max-age=3600");
    // Tells the page that a firm's server sent it, so that it asks who is
    // signed in; a static site's page asks nothing (its 404 would be an
    // error in every visitor's console). Not a secret: no HttpOnly.
    if (file.extension() == ".html")
        response.add("Set-Cookie", "kavro_server=1; Path=/; Max-Age=31536000; SameSite=Strict");
    response.setContentLength64(static_cast<Poco::Int64>(std::filesystem::file_size(file)));
    std::ostream& out = response.send();
    if (method == "GET")
        out << in.rdbuf();
}

} // namespace kavro::server
