// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "connection_pool.h"
#include "storage.h"

#include <memory>

namespace kavro::server {

// The storage's SQL, one text for SQLite and PostgreSQL alike (what differs
// is in SqlConnection); each call borrows a connection of the pool. The
// schema is brought up to date at construction. The orders' half of the
// class is in sql_order_store.cpp.
class SqlStorage : public Storage {
public:
    explicit SqlStorage(std::vector<std::unique_ptr<SqlConnection>> connections);

    std::string addFirm(const std::string& name) override;
    std::optional<std::string> firmByName(const std::string& name) override;

    std::string addPerson(const std::string& firmId, const std::string& login,
                          const std::string& name, Role role,
                          const std::string& passwordHash) override;
    std::optional<Person> personByLogin(const std::string& login) override;
    std::vector<Person> people(const std::string& firmId) override;
    void setPasswordHash(const std::string& personId, const std::string& hash,
                         const std::string& keptSession) override;
    bool disablePerson(const std::string& firmId, const std::string& personId) override;

    void addSession(const std::string& tokenHash, const std::string& personId,
                    std::int64_t expiresAt) override;
    std::optional<Person> sessionPerson(const std::string& tokenHash, std::int64_t now) override;
    void endSession(const std::string& tokenHash) override;

    std::string addToken(const std::string& firmId, const std::string& name,
                         const std::string& tokenHash) override;
    std::optional<ScriptToken> tokenByHash(const std::string& tokenHash) override;
    std::vector<ScriptToken> tokens(const std::string& firmId) override;
    bool revokeToken(const std::string& firmId, const std::string& tokenId) override;

    Failures failures(const std::string& key) override;
    void addFailure(const std::string& key, std::int64_t now) override;
    void clearFailures(const std::string& key) override;

    std::optional<std::string> firmDocument(const std::string& firmId, FirmDocument which) override;
    void setFirmDocument(const std::string& firmId, FirmDocument which, const std::string& bytes,
                         const std::string& login, std::int64_t now) override;

    std::vector<OrderSummary> orders(const std::string& firmId) override;
    std::optional<StoredOrder> order(const std::string& firmId,
                                     const std::string& orderId) override;
    std::optional<StoredOrder> orderAt(const std::string& firmId, const std::string& orderId,
                                       std::int64_t revision) override;
    EditOutcome applyEdit(const std::string& firmId, const std::string& orderId,
                          const std::string& editId, std::int64_t baseRevision,
                          const merge::OrderState& edit, const std::string& login,
                          std::int64_t now) override;
    std::vector<StoredConflict> conflicts(const std::string& firmId,
                                          const std::string& orderId) override;
    std::optional<StoredConflict> conflict(const std::string& firmId,
                                           const std::string& conflictId) override;
    void dropConflict(const std::string& firmId, const std::string& conflictId,
                      const std::string& login, std::int64_t now) override;

    std::vector<Change> changes(const std::string& firmId, std::int64_t since, int limit) override;
    std::int64_t lastChange(const std::string& firmId) override;

protected:
    // The one pool's connection, for what a database does beyond the SQL
    // (SQLite's copies of its file).
    ConnectionPool::Lease lease() { return pool_.lease(); }
    // Brings the schema up to date; again after the database was replaced.
    void migrate();

private:
    static void recordChange(SqlConnection& db, const std::string& firmId, std::string_view kind,
                             const std::string& objectId, std::int64_t revision,
                             const std::string& login, std::int64_t now);
    static StoredOrder stateAt(SqlConnection& db, const std::string& orderId,
                               std::int64_t revision);
    static void writeState(SqlConnection& db, const std::string& orderId, std::int64_t revision,
                           const merge::OrderState& before, const merge::OrderState& after);

    ConnectionPool pool_;
};

} // namespace kavro::server
