// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sqlite_db.h"
#include "storage.h"

#include <filesystem>
#include <mutex>

namespace kavro::server {

// The storage in one SQLite file, `server.db` in the data folder, made on
// first use. One connection serves every thread in turn: SQLite writes one
// transaction at a time anyway, and reads are short. The orders' half of
// the class is in sqlite_order_store.cpp.
class SqliteStorage : public Storage {
public:
    explicit SqliteStorage(const std::filesystem::path& folder);

    std::string addFirm(const std::string& name) override;
    std::optional<std::string> firmByName(const std::string& name) override;

    std::string addPerson(const std::string& firmId, const std::string& login, Role role,
                          const std::string& passwordHash) override;
    std::optional<Person> personByLogin(const std::string& login) override;
    std::vector<Person> people(const std::string& firmId) override;
    void setPasswordHash(const std::string& personId, const std::string& hash) override;
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
    EditOutcome applyEdit(const std::string& firmId, const std::string& orderId,
                          const std::string& editId, std::int64_t baseRevision,
                          const merge::OrderState& edit, const std::string& login,
                          std::int64_t now) override;
    std::vector<StoredConflict> conflicts(const std::string& firmId,
                                          const std::string& orderId) override;
    std::optional<StoredConflict> conflict(const std::string& firmId,
                                           const std::string& conflictId) override;
    void dropConflict(const std::string& firmId, const std::string& conflictId) override;

    std::vector<Change> changes(const std::string& firmId, std::int64_t since, int limit) override;
    std::int64_t lastChange(const std::string& firmId) override;

    void backupTo(const std::filesystem::path& file) override;
    void restoreFrom(const std::filesystem::path& file) override;

private:
    void migrate();
    void replaceWith(const std::filesystem::path& file);
    void recordChange(const std::string& firmId, std::string_view kind, const std::string& objectId,
                      std::int64_t revision, const std::string& login, std::int64_t now);
    StoredOrder stateAt(const std::string& orderId, std::int64_t revision);
    void writeState(const std::string& orderId, std::int64_t revision,
                    const merge::OrderState& before, const merge::OrderState& after);

    std::mutex mutex_;
    SqliteDb db_;
};

} // namespace kavro::server
