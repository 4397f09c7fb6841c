// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kavro::server {

class StorageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What one database's library does with one statement; Statement is the
// face the storage's SQL sees.
class StatementBackend {
public:
    virtual ~StatementBackend() = default;
    virtual void bind(int index, std::string_view text) = 0;
    virtual void bind(int index, std::int64_t value) = 0;
    virtual void bindNull(int index) = 0;
    virtual void bindBlob(int index, std::string_view bytes) = 0;
    virtual bool step() = 0;
    virtual std::string text(int column) const = 0;
    virtual std::int64_t integer(int column) const = 0;
    virtual bool isNull(int column) const = 0;
};

// One statement with `?` for each value; values are only ever bound, never
// spliced into the SQL text.
class Statement {
public:
    explicit Statement(std::unique_ptr<StatementBackend> backend) : backend_(std::move(backend)) {}

    Statement& bind(int index, std::string_view text);
    Statement& bind(int index, std::int64_t value);
    Statement& bindNull(int index);
    Statement& bindBlob(int index, std::string_view bytes);

    // Steps once; true while a row is there.
    bool step() { return backend_->step(); }
    // Steps to the end, for statements that return no rows.
    void run();

    // A NULL reads as empty text and as 0.
    std::string text(int column) const { return backend_->text(column); }
    std::int64_t integer(int column) const { return backend_->integer(column); }
    bool isNull(int column) const { return backend_->isNull(column); }

private:
    std::unique_ptr<StatementBackend> backend_;
};

// One connection to the database, used by one thread at a time. The SQL
// the storage writes is read alike by SQLite and PostgreSQL; what differs
// between them is here: how a writing transaction starts, where the
// schema's number is kept, and how other processes hear of a change.
class SqlConnection {
public:
    virtual ~SqlConnection() = default;

    // Statements without values, the migrations among them.
    virtual void exec(std::string_view sql) = 0;
    virtual Statement prepare(std::string_view sql) = 0;

    // Starts a transaction that writes, once every other writer, in this
    // process or another, has finished: writers take turns, so a number
    // read and then written (a revision, the change sequence) stays right.
    virtual void beginWrite() = 0;
    // Ends the writing transaction; returns once what it wrote survives
    // the process being killed.
    virtual void commitWrite() { exec("COMMIT"); }
    virtual void rollbackWrite() { exec("ROLLBACK"); }
    // The number of the last migration applied; called in a writing
    // transaction, and may make what keeps it.
    virtual std::int64_t schemaVersion() = 0;
    virtual void setSchemaVersion(std::int64_t version) = 0;
    // Tells other processes, once the transaction commits, that the
    // changes' list grew.
    virtual void announceChange() = 0;
};

// beginWrite ... COMMIT; rolled back when left by an exception.
class Transaction {
public:
    explicit Transaction(SqlConnection& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    SqlConnection& db_;
    bool done_ = false;
};

} // namespace kavro::server
