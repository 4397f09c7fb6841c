// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Poco/Net/HTTPRequestHandler.h>
#include <filesystem>

namespace kavro::server {

// Serves the built page from one folder: GET and HEAD only, no path out of
// the folder, no listing.
class StaticSiteHandler : public Poco::Net::HTTPRequestHandler {
public:
    explicit StaticSiteHandler(std::filesystem::path root) : root_(std::move(root)) {}
    void handleRequest(Poco::Net::HTTPServerRequest& request,
                       Poco::Net::HTTPServerResponse& response) override;

private:
    std::filesystem::path root_;
};

} // namespace kavro::server
