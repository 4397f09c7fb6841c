// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// kavro-server: the firm's server; see --help.
#include "about/about_options.h"
#include "accounts/sign_in.h"
#include "admin_commands.h"
#include "api/api.h"
#include "data_folder_lock.h"
#include "http/http_server.h"
#include "server_options.h"
#include "storage/open_storage.h"

#include <Poco/Exception.h>
#include <chrono>
#include <csignal>
#include <iostream>

namespace {

constexpr kavro::ProgramAbout kAbout{
    "kavro-server",
    "[--listen ХОСТ:ПОРТ] [--data ПАПКА | --database URI] [--site ПАПКА] "
    "[--tls-cert ФАЙЛ --tls-key ФАЙЛ] [--behind-proxy] [КОМАНДА ...]",
    "Сервер фирмы для калькулятора KAVRO: заказы, реквизиты и прайс-лист\n"
    "фирмы, общие для всех её устройств; JSON API /api/v1 и страница\n"
    "калькулятора.\n"
    "\n"
    "Параметры:\n"
    "  --listen ХОСТ:ПОРТ  где принимать запросы (127.0.0.1:8090)\n"
    "  --data ПАПКА        папка базы данных server.db (kavro-data)\n"
    "  --database URI      база PostgreSQL вместо неё: postgresql://…\n"
    "  --site ПАПКА        собранная страница калькулятора\n"
    "  --tls-cert ФАЙЛ     сертификат (PEM, с цепочкой): принимать HTTPS\n"
    "  --tls-key ФАЙЛ      закрытый ключ сертификата (PEM)\n"
    "  --behind-proxy      за прокси на этой машине (nginx): адрес клиента\n"
    "                      берётся из его заголовка X-Real-IP\n"
    "\n"
    "Команды (пароль читается со стандартного ввода, одной строкой):\n"
    "  add-firm ФИРМА\n"
    "  add-user ФИРМА ЛОГИН --role admin|member\n"
    "  passwd ЛОГИН\n"
    "  disable-user ЛОГИН  (его сеансы завершаются)\n"
    "  add-token ФИРМА ИМЯ (токен для скриптов выводится один раз)\n"
    "  revoke-token ФИРМА ИМЯ\n"
    "  backup ФАЙЛ         копия базы, снимается на ходу сервера\n"
    "  restore ФАЙЛ        база из копии; сервер на папке должен быть остановлен\n"
    "                      (обе с --data; базу PostgreSQL копируют pg_dump\n"
    "                      и pg_restore)\n"};

std::int64_t now() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The SQLite folder's lock, held shared while serving, so that a restore
// never replaces the database under a running server. A PostgreSQL
// database has no folder here: its own tools restore it.
std::unique_ptr<kavro::server::DataFolderLock>
holdDataFolder(const kavro::server::ServerOptions& options) {
    const auto folder = options.dataFolder();
    if (!folder)
        return nullptr;
    auto working =
        kavro::server::DataFolderLock::take(*folder, kavro::server::DataFolderLock::Kind::shared);
    if (!working)
        throw std::runtime_error("база в " + folder->string() +
                                 " восстанавливается из копии: запустите сервер после этого");
    return working;
}

// Serves until SIGINT or SIGTERM. The signals are blocked before any thread
// starts, so that every thread inherits the block and this one takes them.
int serve(kavro::server::Storage& storage, const kavro::server::ServerOptions& options) {
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigaddset(&stop, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop, nullptr);
    const auto working = holdDataFolder(options);
    kavro::server::SignIn signIn(storage, now);
    kavro::server::ChangeNotifier notifier(storage);
    kavro::server::ServerContext context{storage, signIn, notifier, now};
    kavro::server::Api api(context);
    kavro::server::HttpServer http(api, options.listen);
    const char* scheme = options.listen.tlsCert.empty() ? "http" : "https";
    std::cout << "kavro-server: " << scheme << "://" << options.listen.host << ':' << http.port()
              << "/" << std::endl;
    int signal = 0;
    sigwait(&stop, &signal);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (const auto answered = kavro::answerAboutOption(argc, argv, kAbout, std::cout))
        return *answered;
    try {
        const auto options = kavro::server::parseServerOptions(
            std::vector<std::string>(argv + 1, argv + argc), KAVRO_DEFAULT_SITE);
        const auto storage = kavro::server::openStorage(options.database, options.data);
        if (options.command.empty())
            return serve(*storage, options);
        const int status =
            kavro::server::runAdminCommand(*storage, options.dataFolder(), options.command,
                                           options.arguments, std::cin, std::cout, std::cerr);
        if (status == -1) {
            std::cerr << "kavro-server: неизвестная команда " << options.command
                      << " (kavro-server --help)\n";
            return 2;
        }
        return status;
    } catch (const std::invalid_argument& error) {
        std::cerr << "kavro-server: " << error.what() << " (kavro-server --help)\n";
        return 2;
    } catch (const Poco::Exception& error) {
        std::cerr << "kavro-server: " << error.displayText() << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "kavro-server: " << error.what() << '\n';
        return 1;
    }
}
