// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "merge/order_merge.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kavro::server {

// An order id that is another firm's, or an edit that cannot apply; the
// caller refuses the request without saying which.
class OrderRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Role { member, admin };

struct Person {
    std::string id;
    std::string firmId;
    std::string login;
    Role role = Role::member;
    std::string passwordHash;
    bool disabled = false;
    std::string name; // how the firm calls them; may be empty
};

struct ScriptToken {
    std::string id;
    std::string firmId;
    std::string name;
};

// A count of failed sign-ins under one key (a login or an address).
struct Failures {
    std::int64_t count = 0;
    std::int64_t lastAt = 0; // seconds since the epoch
};

struct OrderSummary {
    std::string id;
    std::string title;
    std::int64_t revision = 0;
    std::string changedBy;      // the login of its last change
    std::int64_t changedAt = 0; // seconds since the epoch
    std::int64_t conflicts = 0; // not yet resolved
};

// An order as stored: its state and the revision each part last changed at.
struct StoredOrder {
    std::int64_t revision = 0;
    merge::OrderState state;
    std::map<std::string, std::int64_t> openingRevisions;
};

struct StoredConflict {
    std::string id;
    std::string orderId;
    std::int64_t revision = 0; // the revision the edit that raised it made
    merge::Conflict conflict;
};

struct EditOutcome {
    std::int64_t revision = 0;
    bool repeated = false; // this edit id had been applied already
    std::vector<merge::Conflict> conflicts;
};

struct Change {
    std::int64_t sequence = 0;
    std::string kind; // "order", "firm", "prices"
    std::string objectId;
    std::int64_t revision = 0;
    std::string login;
    std::int64_t at = 0;

    bool operator==(const Change&) const = default;
};

// A firm's own document kept whole: its details (the firm file's JSON), its
// logo, its price list.
enum class FirmDocument { details, logo, prices };

// Everything the server keeps. Every call that touches a firm's work takes
// the firm's id, which callers take from the session alone. Writes return
// only once they are committed to disk.
class Storage {
public:
    virtual ~Storage() = default;

    virtual std::string addFirm(const std::string& name) = 0;
    virtual std::optional<std::string> firmByName(const std::string& name) = 0;

    virtual std::string addPerson(const std::string& firmId, const std::string& login,
                                  const std::string& name, Role role,
                                  const std::string& passwordHash) = 0;
    virtual std::optional<Person> personByLogin(const std::string& login) = 0;
    virtual std::vector<Person> people(const std::string& firmId) = 0;
    // Sets a new password hash and ends every session of the person but
    // `keptSession` (the hash of the one that made the change; empty: none
    // is kept), so that whoever knew the old password is signed out.
    virtual void setPasswordHash(const std::string& personId, const std::string& hash,
                                 const std::string& keptSession) = 0;
    // Disables the person and ends every session of theirs; false when the
    // firm has no such person.
    virtual bool disablePerson(const std::string& firmId, const std::string& personId) = 0;

    virtual void addSession(const std::string& tokenHash, const std::string& personId,
                            std::int64_t expiresAt) = 0;
    // The enabled person of an unexpired session.
    virtual std::optional<Person> sessionPerson(const std::string& tokenHash, std::int64_t now) = 0;
    virtual void endSession(const std::string& tokenHash) = 0;

    virtual std::string addToken(const std::string& firmId, const std::string& name,
                                 const std::string& tokenHash) = 0;
    virtual std::optional<ScriptToken> tokenByHash(const std::string& tokenHash) = 0;
    virtual std::vector<ScriptToken> tokens(const std::string& firmId) = 0;
    virtual bool revokeToken(const std::string& firmId, const std::string& tokenId) = 0;

    virtual Failures failures(const std::string& key) = 0;
    virtual void addFailure(const std::string& key, std::int64_t now) = 0;
    virtual void clearFailures(const std::string& key) = 0;

    // nullopt when the firm has not stored it.
    virtual std::optional<std::string> firmDocument(const std::string& firmId,
                                                    FirmDocument which) = 0;
    virtual void setFirmDocument(const std::string& firmId, FirmDocument which,
                                 const std::string& bytes, const std::string& login,
                                 std::int64_t now) = 0;

    virtual std::vector<OrderSummary> orders(const std::string& firmId) = 0;
    // The order at its newest revision; nullopt when the firm has none of
    // that id.
    virtual std::optional<StoredOrder> order(const std::string& firmId,
                                             const std::string& orderId) = 0;
    // The order as it stood at `revision`; nullopt when the firm has none
    // of that id or the order never had that revision. A revision once
    // made never changes, so this needs no transaction with what follows.
    virtual std::optional<StoredOrder>
    orderAt(const std::string& firmId, const std::string& orderId, std::int64_t revision) = 0;
    // Applies an edit made on `baseRevision` (0: a new order), merging it
    // with what changed since. The same edit id twice is applied once.
    // Throws OrderRefused when the id is another firm's or the base revision
    // is newer than the order's.
    virtual EditOutcome applyEdit(const std::string& firmId, const std::string& orderId,
                                  const std::string& editId, std::int64_t baseRevision,
                                  const merge::OrderState& edit, const std::string& login,
                                  std::int64_t now) = 0;
    virtual std::vector<StoredConflict> conflicts(const std::string& firmId,
                                                  const std::string& orderId) = 0;
    virtual std::optional<StoredConflict> conflict(const std::string& firmId,
                                                   const std::string& conflictId) = 0;
    // Drops a resolved conflict and records it as a change of its order, so
    // that every device following the changes learns it is gone, also when
    // the order itself stayed as it was (the current version kept).
    virtual void dropConflict(const std::string& firmId, const std::string& conflictId,
                              const std::string& login, std::int64_t now) = 0;

    // The firm's changes after `since`, oldest first.
    virtual std::vector<Change> changes(const std::string& firmId, std::int64_t since,
                                        int limit) = 0;
    virtual std::int64_t lastChange(const std::string& firmId) = 0;

    // A consistent copy of everything into `file`, taken while the server
    // runs; and everything replaced by such a copy, checked first, while
    // no server runs on it. A storage that its database's own tools copy
    // (pg_dump, pg_restore) has neither.
    virtual void backupTo(const std::filesystem::path& /*file*/) {
        throw std::logic_error("this storage is copied with its database's own tools");
    }
    virtual void restoreFrom(const std::filesystem::path& /*file*/) {
        throw std::logic_error("this storage is copied with its database's own tools");
    }

    // Calls `heard` (on a thread of its own) whenever a change may have been
    // committed, by this process or another; an empty function stops it.
    // Where the database has no such word, nothing is called, and waiters
    // look again on their own.
    virtual void listenForChanges(std::function<void()> /*heard*/) {}
};

} // namespace kavro::server
