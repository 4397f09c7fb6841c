// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "server_options.h"

#include "storage/open_storage.h"

#include <charconv>
#include <stdexcept>

namespace kavro::server {

namespace {

void setListen(ListenOptions& listen, const std::string& text) {
    const auto colon = text.rfind(':');
    unsigned short port = 0;
    const char* end = text.data() + text.size();
    if (colon == std::string::npos || colon == 0 ||
        std::from_chars(text.data() + colon + 1, end, port).ptr != end || colon + 1 == text.size())
        throw std::invalid_argument("--listen ХОСТ:ПОРТ, например 127.0.0.1:8090");
    listen.host = text.substr(0, colon);
    listen.port = port;
}

void setDatabase(std::string& database, const std::string& value) {
    if (!isPostgresUri(value))
        throw std::invalid_argument("--database postgresql://ПОЛЬЗОВАТЕЛЬ@ХОСТ/БАЗА");
    database = value;
}

} // namespace

ServerOptions parseServerOptions(const std::vector<std::string>& arguments,
                                 const std::filesystem::path& defaultSite) {
    ServerOptions options;
    options.listen.site = defaultSite;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool valued = argument == "--listen" || argument == "--data" ||
                            argument == "--site" || argument == "--database" ||
                            argument == "--tls-cert" || argument == "--tls-key";
        if (valued && options.command.empty()) {
            if (i + 1 == arguments.size())
                throw std::invalid_argument(argument + ": нет значения");
            const std::string& value = arguments[++i];
            if (argument == "--listen")
                setListen(options.listen, value);
            else if (argument == "--data")
                options.data = value;
            else if (argument == "--database")
                setDatabase(options.database, value);
            else if (argument == "--site")
                options.listen.site = value;
            else
                (argument == "--tls-cert" ? options.listen.tlsCert : options.listen.tlsKey) = value;
        } else if (argument == "--behind-proxy" && options.command.empty()) {
            options.listen.behindProxy = true;
        } else if (options.command.empty()) {
            if (argument.starts_with("-"))
                throw std::invalid_argument("неизвестный параметр " + argument);
            options.command = argument;
        } else {
            options.arguments.push_back(argument);
        }
    }
    // One without the other would serve plain HTTP where HTTPS was meant.
    if (options.listen.tlsCert.empty() != options.listen.tlsKey.empty())
        throw std::invalid_argument("--tls-cert и --tls-key задаются вместе");
    return options;
}

} // namespace kavro::server
