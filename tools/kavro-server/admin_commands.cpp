// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "admin_commands.h"

#include "accounts/password_hasher.h"
#include "accounts/secret_token.h"
#include "data_folder_lock.h"
#include "password_input.h"
#include "storage/sql_connection.h"

#include <algorithm>
#include <functional>
#include <map>

namespace kavro::server {

namespace {

constexpr std::size_t kMinPassword = 8;

struct Call {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    const std::optional<std::filesystem::path>& data; // SQLite's folder
};

// A refusal of the command, told on standard error with exit status 1.
class Refused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string firmId(Storage& storage, const std::string& name) {
    const auto id = storage.firmByName(name);
    if (!id)
        throw Refused("нет фирмы «" + name + "»");
    return *id;
}

std::string newPassword(Call& io) {
    const auto password = readPassword(io.in, io.err, "Пароль: ");
    if (!password || password->size() < kMinPassword)
        throw Refused("пароль не короче " + std::to_string(kMinPassword) +
                      " знаков читается со стандартного ввода");
    return *password;
}

Person person(Storage& storage, const std::string& login) {
    const auto found = storage.personByLogin(login);
    if (!found)
        throw Refused("нет такого логина");
    return *found;
}

void addFirm(Storage& storage, const std::vector<std::string>& a, Call& io) {
    if (storage.firmByName(a[0]))
        throw Refused("фирма «" + a[0] + "» уже есть");
    storage.addFirm(a[0]);
    io.out << "фирма «" << a[0] << "» добавлена\n";
}

void addUser(Storage& storage, const std::vector<std::string>& a, Call& io) {
    if (a[2] != "--role" || (a[3] != "admin" && a[3] != "member"))
        throw Refused("add-user ФИРМА ЛОГИН --role admin|member");
    const std::string firm = firmId(storage, a[0]);
    if (storage.personByLogin(a[1]))
        throw Refused("логин «" + a[1] + "» уже занят");
    const std::string hash = PasswordHasher::hash(newPassword(io));
    storage.addPerson(firm, a[1], {}, a[3] == "admin" ? Role::admin : Role::member, hash);
    io.out << "пользователь «" << a[1] << "» добавлен в «" << a[0] << "»\n";
}

void changePassword(Storage& storage, const std::vector<std::string>& a, Call& io) {
    const Person found = person(storage, a[0]);
    storage.setPasswordHash(found.id, PasswordHasher::hash(newPassword(io)), {});
    io.out << "пароль «" << a[0] << "» изменён, его сеансы завершены\n";
}

void disableUser(Storage& storage, const std::vector<std::string>& a, Call& io) {
    const Person found = person(storage, a[0]);
    storage.disablePerson(found.firmId, found.id);
    io.out << "пользователь «" << a[0] << "» отключён, его сеансы завершены\n";
}

void addToken(Storage& storage, const std::vector<std::string>& a, Call& io) {
    const std::string firm = firmId(storage, a[0]);
    const std::string token = SecretToken::make();
    storage.addToken(firm, a[1], SecretToken::hashOf(token));
    // Shown this once: only its hash is kept.
    io.out << token << '\n';
}

void revokeToken(Storage& storage, const std::vector<std::string>& a, Call& io) {
    const std::string firm = firmId(storage, a[0]);
    const auto tokens = storage.tokens(firm);
    const auto found = std::find_if(tokens.begin(), tokens.end(),
                                    [&](const ScriptToken& t) { return t.name == a[1]; });
    if (found == tokens.end())
        throw Refused("нет токена «" + a[1] + "»");
    storage.revokeToken(firm, found->id);
    io.out << "токен «" << a[1] << "» отозван\n";
}

// Copies of SQLite's file are made here; a PostgreSQL database's by its own
// tools, which also keep what this program's copy would leave out (roles,
// grants).
const std::filesystem::path& sqliteFolder(const Call& io) {
    if (!io.data)
        throw Refused("базу PostgreSQL копируют и восстанавливают её средства: pg_dump и "
                      "pg_restore");
    return *io.data;
}

void backup(Storage& storage, const std::vector<std::string>& a, Call& io) {
    sqliteFolder(io);
    try {
        storage.backupTo(a[0]);
    } catch (const StorageError& error) {
        throw Refused("копия не записана: " + std::string(error.what()));
    }
    io.out << "копия базы записана в " << a[0] << '\n';
}

// Refused while a server runs on the folder: it would go on with the
// database it had open. The folder's lock tells (see DataFolderLock), and
// holding it alone keeps a server from starting until the copy is in.
void restore(Storage& storage, const std::vector<std::string>& a, Call& io) {
    const auto& folder = sqliteFolder(io);
    const auto alone = DataFolderLock::take(folder, DataFolderLock::Kind::exclusive);
    if (!alone)
        throw Refused("на папке " + folder.string() +
                      " работает сервер: остановите его и повторите");
    try {
        storage.restoreFrom(a[0]);
    } catch (const StorageError& error) {
        throw Refused("база не восстановлена из " + a[0] + ": " + error.what());
    }
    io.out << "база восстановлена из " << a[0] << '\n';
}

struct Command {
    std::size_t arguments;
    const char* usage;
    void (*run)(Storage&, const std::vector<std::string>&, Call&);
};

const std::map<std::string, Command, std::less<>>& commands() {
    static const std::map<std::string, Command, std::less<>> table = {
        {"add-firm", {1, "add-firm ФИРМА", addFirm}},
        {"add-user", {4, "add-user ФИРМА ЛОГИН --role admin|member", addUser}},
        {"passwd", {1, "passwd ЛОГИН", changePassword}},
        {"disable-user", {1, "disable-user ЛОГИН", disableUser}},
        {"add-token", {2, "add-token ФИРМА ИМЯ", addToken}},
        {"revoke-token", {2, "revoke-token ФИРМА ИМЯ", revokeToken}},
        {"backup", {1, "backup ФАЙЛ", backup}},
        {"restore", {1, "restore ФАЙЛ", restore}},
    };
    return table;
}

} // namespace

int runAdminCommand(Storage& storage, const std::optional<std::filesystem::path>& data,
                    const std::string& command, const std::vector<std::string>& arguments,
                    std::istream& in, std::ostream& out, std::ostream& err) {
    const auto found = commands().find(command);
    if (found == commands().end())
        return -1;
    if (arguments.size() != found->second.arguments) {
        err << "kavro-server: вызов: kavro-server --data ПАПКА " << found->second.usage << '\n';
        return 2;
    }
    Call io{in, out, err, data};
    try {
        found->second.run(storage, arguments, io);
        return 0;
    } catch (const Refused& refused) {
        err << "kavro-server: " << command << ": " << refused.what() << '\n';
        return 1;
    }
}

} // namespace kavro::server
