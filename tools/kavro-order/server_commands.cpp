// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commands.h"
#include "orderio/order_file.h"
#include "password_input.h"
#include "server_client.h"

#include <cstdlib>
#include <iostream>
#include <nlohmann/json.hpp>

namespace kavro::cli {

namespace {

using Json = nlohmann::json;

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Signs in with KAVRO_TOKEN where it is set, else with the login and
// KAVRO_PASSWORD or a password asked on the terminal.
void signIn(ServerClient& client, const CommandLine& line, CommandContext& context) {
    if (const std::string token = environment("KAVRO_TOKEN"); !token.empty())
        return client.useToken(token);
    if (!line.login)
        throw UsageError("нужен --login ЛОГИН или переменная KAVRO_TOKEN");
    std::string password = environment("KAVRO_PASSWORD");
    if (password.empty()) {
        const auto typed = readPassword(std::cin, context.err, "Пароль " + *line.login + ": ");
        if (!typed)
            throw ServerFailure(ServerFailure::Kind::signIn, "пароль не введён");
        password = *typed;
    }
    client.signIn(*line.login, password);
}

int push(ServerClient& client, const CommandLine& line, CommandContext& context) {
    const Order order = OrderFile::read(line.input);
    const std::string path = order.id.empty() ? "/api/v1/orders" : "/api/v1/orders/" + order.id;
    const ServerReply reply =
        client.send(order.id.empty() ? "POST" : "PUT", path + "?edit=" + randomEditId(),
                    OrderFile::serialize(order));
    const Json result = Json::parse(reply.body);
    context.out << result.at("id").get<std::string>() << '\n';
    if (!result.at("conflicts").empty())
        context.err << "kavro-order: " << result.at("conflicts").size()
                    << " изменений не приняты: их уже изменили на сервере; "
                       "обе версии сохранены там как конфликты\n";
    return kDone;
}

int pull(ServerClient& client, const CommandLine& line, CommandContext&) {
    const std::string id = line.input.string();
    if (const auto fault = OrderFile::idFault(id); fault || id.empty())
        throw UsageError("неверный id заказа «" + id + "»");
    const ServerReply reply = client.send("GET", "/api/v1/orders/" + id);
    OrderFile::save(OrderFile::parse(reply.body), *line.output);
    return kDone;
}

int list(ServerClient& client, const CommandLine&, CommandContext& context) {
    const Json result = Json::parse(client.send("GET", "/api/v1/orders").body);
    for (const Json& order : result.at("orders"))
        context.out << order.at("id").get<std::string>() << '\t'
                    << order.at("revision").get<std::int64_t>() << '\t'
                    << order.at("title").get<std::string>() << '\n';
    return kDone;
}

} // namespace

int runServerCommand(const CommandLine& line, CommandContext& context) {
    try {
        ServerClient client(*line.server);
        signIn(client, line, context);
        int status = kDone;
        if (line.command == "push")
            status = push(client, line, context);
        else if (line.command == "pull")
            status = pull(client, line, context);
        else
            status = list(client, line, context);
        client.signOut();
        return status;
    } catch (const ServerFailure& failure) {
        context.err << "kavro-order: " << failure.what() << '\n';
        switch (failure.kind()) {
        case ServerFailure::Kind::signIn:
            return kSignInRefused;
        case ServerFailure::Kind::refused:
            return kOrderRefused;
        case ServerFailure::Kind::unreachable:
            return kUnreachable;
        }
        return kFailed;
    } catch (const UsageError& error) {
        context.err << "kavro-order: " << error.what() << '\n';
        return kWrongUsage;
    } catch (const OrderFileError& error) {
        context.err << "kavro-order: " << line.input.string() << ": " << error.what() << '\n';
        return kFailed;
    } catch (const nlohmann::json::exception&) {
        context.err << "kavro-order: сервер ответил не по протоколу\n";
        return kUnreachable;
    }
}

} // namespace kavro::cli
