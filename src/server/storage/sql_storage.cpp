// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sql_storage.h"

#include "random_id.h"
#include "schema.h"

namespace kavro::server {

namespace {

std::string_view roleName(Role role) {
    return role == Role::admin ? "admin" : "member";
}

constexpr std::string_view kPersonColumns =
    "id, firm_id, login, role, password_hash, disabled, name";

Person personOf(const Statement& row) {
    return {row.text(0), row.text(1),
            row.text(2), row.text(3) == "admin" ? Role::admin : Role::member,
            row.text(4), row.integer(5) != 0,
            row.text(6)};
}

std::string_view documentKind(FirmDocument which) {
    switch (which) {
    case FirmDocument::details:
        return "details";
    case FirmDocument::logo:
        return "logo";
    case FirmDocument::prices:
        return "prices";
    }
    return "details";
}

} // namespace

SqlStorage::SqlStorage(std::vector<std::unique_ptr<SqlConnection>> connections)
    : pool_(std::move(connections)) {
    migrate();
}

void SqlStorage::migrate() {
    const auto db = pool_.lease();
    // Under the writers' lock: of two processes starting together, the
    // second finds the migrations done.
    Transaction transaction(*db);
    const auto done = static_cast<std::size_t>(db->schemaVersion());
    const auto all = migrations();
    if (done > all.size())
        throw StorageError("the database was made by a newer server (schema " +
                           std::to_string(done) + ")");
    for (std::size_t i = done; i < all.size(); ++i)
        db->exec(all[i]);
    db->setSchemaVersion(static_cast<std::int64_t>(all.size()));
    transaction.commit();
}

std::string SqlStorage::addFirm(const std::string& name) {
    const auto db = pool_.lease();
    const std::string id = randomHex();
    db->prepare("INSERT INTO firms (id, name) VALUES (?, ?)").bind(1, id).bind(2, name).run();
    return id;
}

std::optional<std::string> SqlStorage::firmByName(const std::string& name) {
    const auto db = pool_.lease();
    auto row = db->prepare("SELECT id FROM firms WHERE name = ?");
    row.bind(1, name);
    return row.step() ? std::optional(row.text(0)) : std::nullopt;
}

std::string SqlStorage::addPerson(const std::string& firmId, const std::string& login,
                                  const std::string& name, Role role,
                                  const std::string& passwordHash) {
    const auto db = pool_.lease();
    const std::string id = randomHex();
    db->prepare("INSERT INTO people (id, firm_id, login, role, password_hash, name) "
                "VALUES (?, ?, ?, ?, ?, ?)")
        .bind(1, id)
        .bind(2, firmId)
        .bind(3, login)
        .bind(4, roleName(role))
        .bind(5, passwordHash)
        .bind(6, name)
        .run();
    return id;
}

std::optional<Person> SqlStorage::personByLogin(const std::string& login) {
    const auto db = pool_.lease();
    auto row =
        db->prepare("SELECT " + std::string(kPersonColumns) + " FROM people WHERE login = ?");
    row.bind(1, login);
    return row.step() ? std::optional(personOf(row)) : std::nullopt;
}

std::vector<Person> SqlStorage::people(const std::string& firmId) {
    const auto db = pool_.lease();
    auto row = db->prepare("SELECT " + std::string(kPersonColumns) +
                           " FROM people WHERE firm_id = ? ORDER BY login");
    row.bind(1, firmId);
    std::vector<Person> result;
    while (row.step())
        result.push_back(personOf(row));
    return result;
}

void SqlStorage::setPasswordHash(const std::string& personId, const std::string& hash,
                                 const std::string& keptSession) {
    const auto db = pool_.lease();
    Transaction transaction(*db);
    db->prepare("UPDATE people SET password_hash = ? WHERE id = ?")
        .bind(1, hash)
        .bind(2, personId)
        .run();
    db->prepare("DELETE FROM sessions WHERE person_id = ? AND token_hash <> ?")
        .bind(1, personId)
        .bind(2, keptSession)
        .run();
    transaction.commit();
}

bool SqlStorage::disablePerson(const std::string& firmId, const std::string& personId) {
    const auto db = pool_.lease();
    Transaction transaction(*db);
    auto found = db->prepare("SELECT 1 FROM people WHERE id = ? AND firm_id = ?");
    found.bind(1, personId).bind(2, firmId);
    if (!found.step())
        return false;
    db->prepare("UPDATE people SET disabled = 1 WHERE id = ?").bind(1, personId).run();
    db->prepare("DELETE FROM sessions WHERE person_id = ?").bind(1, personId).run();
    transaction.commit();
    return true;
}

void SqlStorage::addSession(const std::string& tokenHash, const std::string& personId,
                            std::int64_t expiresAt) {
    const auto db = pool_.lease();
    db->prepare("INSERT INTO sessions (token_hash, person_id, expires_at) VALUES (?, ?, ?)")
        .bind(1, tokenHash)
        .bind(2, personId)
        .bind(3, expiresAt)
        .run();
}

std::optional<Person> SqlStorage::sessionPerson(const std::string& tokenHash, std::int64_t now) {
    const auto db = pool_.lease();
    auto row = db->prepare("SELECT p.id, p.firm_id, p.login, p.role, p.password_hash, p.disabled, "
                           "p.name FROM sessions s JOIN people p ON p.id = s.person_id "
                           "WHERE s.token_hash = ? AND s.expires_at > ? AND p.disabled = 0");
    row.bind(1, tokenHash).bind(2, now);
    return row.step() ? std::optional(personOf(row)) : std::nullopt;
}

void SqlStorage::endSession(const std::string& tokenHash) {
    const auto db = pool_.lease();
    db->prepare("DELETE FROM sessions WHERE token_hash = ?").bind(1, tokenHash).run();
}

std::string SqlStorage::addToken(const std::string& firmId, const std::string& name,
                                 const std::string& tokenHash) {
    const auto db = pool_.lease();
    const std::string id = randomHex();
    db->prepare("INSERT INTO script_tokens (id, firm_id, name, token_hash) VALUES (?, ?, ?, ?)")
        .bind(1, id)
        .bind(2, firmId)
        .bind(3, name)
        .bind(4, tokenHash)
        .run();
    return id;
}

std::optional<ScriptToken> SqlStorage::tokenByHash(const std::string& tokenHash) {
    const auto db = pool_.lease();
    auto row = db->prepare("SELECT id, firm_id, name FROM script_tokens WHERE token_hash = ?");
    row.bind(1, tokenHash);
    return row.step() ? std::optional(ScriptToken{row.text(0), row.text(1), row.text(2)})
                      : std::nullopt;
}

std::vector<ScriptToken> SqlStorage::tokens(const std::string& firmId) {
    const auto db = pool_.lease();
    auto row = db->prepare("SELECT id, firm_id, name FROM script_tokens WHERE firm_id = ? "
                           "ORDER BY name");
    row.bind(1, firmId);
    std::vector<ScriptToken> result;
    while (row.step())
        result.push_back({row.text(0), row.text(1), row.text(2)});
    return result;
}

bool SqlStorage::revokeToken(const std::string& firmId, const std::string& tokenId) {
    const auto db = pool_.lease();
    Transaction transaction(*db);
    auto found = db->prepare("SELECT 1 FROM script_tokens WHERE id = ? AND firm_id = ?");
    found.bind(1, tokenId).bind(2, firmId);
    if (!found.step())
        return false;
    db->prepare("DELETE FROM script_tokens WHERE id = ?").bind(1, tokenId).run();
    transaction.commit();
    return true;
}

Failures SqlStorage::failures(const std::string& key) {
    const auto db = pool_.lease();
    auto row = db->prepare("SELECT count, last_at FROM sign_in_failures WHERE key = ?");
    row.bind(1, key);
    return row.step() ? Failures{row.integer(0), row.integer(1)} : Failures{};
}

void SqlStorage::addFailure(const std::string& key, std::int64_t now) {
    const auto db = pool_.lease();
    db->prepare("INSERT INTO sign_in_failures (key, count, last_at) VALUES (?, 1, ?) "
                "ON CONFLICT (key) DO UPDATE SET count = sign_in_failures.count + 1, "
                "last_at = excluded.last_at")
        .bind(1, key)
        .bind(2, now)
        .run();
}

void SqlStorage::clearFailures(const std::string& key) {
    const auto db = pool_.lease();
    db->prepare("DELETE FROM sign_in_failures WHERE key = ?").bind(1, key).run();
}

std::optional<std::string> SqlStorage::firmDocument(const std::string& firmId, FirmDocument which) {
    const auto db = pool_.lease();
    auto row = db->prepare("SELECT body FROM firm_documents WHERE firm_id = ? AND kind = ?");
    row.bind(1, firmId).bind(2, documentKind(which));
    return row.step() ? std::optional(row.text(0)) : std::nullopt;
}

void SqlStorage::setFirmDocument(const std::string& firmId, FirmDocument which,
                                 const std::string& bytes, const std::string& login,
                                 std::int64_t now) {
    const auto db = pool_.lease();
    Transaction transaction(*db);
    db->prepare("INSERT INTO firm_documents (firm_id, kind, body) VALUES (?, ?, ?) "
                "ON CONFLICT (firm_id, kind) DO UPDATE SET body = excluded.body")
        .bind(1, firmId)
        .bind(2, documentKind(which))
        .bindBlob(3, bytes)
        .run();
    recordChange(*db, firmId, documentKind(which), firmId, 0, login, now);
    transaction.commit();
}

void SqlStorage::recordChange(SqlConnection& db, const std::string& firmId, std::string_view kind,
                              const std::string& objectId, std::int64_t revision,
                              const std::string& login, std::int64_t now) {
    // The next number is read here rather than left to the database: the
    // writers' turns keep it unique and in commit order on both databases,
    // so a client that read up to N never later finds a smaller one.
    db.prepare("INSERT INTO changes (sequence, firm_id, kind, object_id, revision, login, at) "
               "VALUES ((SELECT COALESCE(MAX(sequence), 0) + 1 FROM changes), ?, ?, ?, ?, ?, ?)")
        .bind(1, firmId)
        .bind(2, kind)
        .bind(3, objectId)
        .bind(4, revision)
        .bind(5, login)
        .bind(6, now)
        .run();
    db.announceChange();
}

std::vector<Change> SqlStorage::changes(const std::string& firmId, std::int64_t since, int limit) {
    const auto db = pool_.lease();
    auto row = db->prepare("SELECT sequence, kind, object_id, revision, login, at FROM changes "
                           "WHERE firm_id = ? AND sequence > ? ORDER BY sequence LIMIT ?");
    row.bind(1, firmId).bind(2, since).bind(3, std::int64_t{limit});
    std::vector<Change> result;
    while (row.step())
        result.push_back({row.integer(0), row.text(1), row.text(2), row.integer(3), row.text(4),
                          row.integer(5)});
    return result;
}

std::int64_t SqlStorage::lastChange(const std::string& firmId) {
    const auto db = pool_.lease();
    auto row = db->prepare("SELECT MAX(sequence) FROM changes WHERE firm_id = ?");
    row.bind(1, firmId);
    return row.step() ? row.integer(0) : 0;
}

} // namespace kavro::server
