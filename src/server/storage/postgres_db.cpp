// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "postgres_db.h"

#include <libpq-fe.h>
#include <vector>

namespace kavro::server {

namespace {

// Type ids of PostgreSQL's catalogue (pg_type.oid), fixed since long ago.
constexpr Oid kBytea = 17;
constexpr Oid kInt8 = 20;
constexpr Oid kText = 25;

// The writers' turn: a lock key of this program's own, held to the end of
// the transaction; sent with BEGIN, one round trip for all three. The
// commit does not wait for the disk while the turn is held: the disk costs
// a few milliseconds, and every other writer of every firm would wait for
// it in turn (see commitWrite).
constexpr std::string_view kBeginWrite = "BEGIN; SET LOCAL synchronous_commit = off; "
                                         "SELECT pg_advisory_xact_lock(4702185238114377807)";

// After COMMIT, in the same round trip: a transaction that writes one WAL
// record and commits synchronously, so it returns only once the log is on
// disk up to its own record, which lies after the commit just made. Writers
// waiting for the disk together share one flush.
constexpr std::string_view kCommitDurably =
    "COMMIT; SELECT pg_logical_emit_message(true, 'kavro', '')";

// libpq's messages end in a newline, which the caller's own line adds.
std::string trimmed(const char* message) {
    std::string text = message ? message : "out of memory";
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

struct ResultDeleter {
    void operator()(PGresult* result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

Result checked(PGconn* conn, PGresult* raw, std::string_view what) {
    Result result(raw);
    const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        throw StorageError(
            std::string(what) + ": " +
            trimmed(result ? PQresultErrorMessage(result.get()) : PQerrorMessage(conn)));
    return result;
}

// The storage writes `?` for each value, as SQLite reads it; PostgreSQL
// numbers them. No `?` stands inside the storage's quoted literals, but
// they are stepped over all the same.
std::string numbered(std::string_view sql) {
    std::string result;
    result.reserve(sql.size() + 16);
    bool quoted = false;
    int count = 0;
    for (const char c : sql) {
        if (c == '\'')
            quoted = !quoted;
        if (c == '?' && !quoted)
            result += "$" + std::to_string(++count);
        else
            result += c;
    }
    return result;
}

class PostgresStatement : public StatementBackend {
public:
    PostgresStatement(PostgresDb& db, std::string_view sql) : db_(db), sql_(numbered(sql)) {}

    void bind(int index, std::string_view text) override { set(index, kText, text); }
    void bind(int index, std::int64_t value) override {
        std::string bytes(8, '\0');
        for (int i = 7; i >= 0;
             --i, value = static_cast<std::int64_t>(static_cast<std::uint64_t>(value) >> 8))
            bytes[static_cast<std::size_t>(i)] = static_cast<char>(value & 0xff);
        set(index, kInt8, bytes);
    }
    void bindNull(int index) override {
        slot(index);
        nulls_[static_cast<std::size_t>(index - 1)] = true;
    }
    void bindBlob(int index, std::string_view bytes) override { set(index, kBytea, bytes); }

    bool step() override {
        if (!result_)
            execute();
        return ++row_ < PQntuples(result_.get());
    }

    std::string text(int column) const override {
        return std::string(PQgetvalue(result_.get(), row_, column),
                           static_cast<std::size_t>(PQgetlength(result_.get(), row_, column)));
    }

    // Whole numbers come in network order, 2, 4 or 8 bytes long after
    // their column's type.
    std::int64_t integer(int column) const override {
        if (isNull(column))
            return 0;
        const auto* bytes =
            reinterpret_cast<const unsigned char*>(PQgetvalue(result_.get(), row_, column));
        const int length = PQgetlength(result_.get(), row_, column);
        std::uint64_t value = (bytes[0] & 0x80) ? ~std::uint64_t{0} : 0; // the sign, widened
        for (int i = 0; i < length; ++i)
            value = (value << 8) | bytes[i];
        return static_cast<std::int64_t>(value);
    }

    bool isNull(int column) const override { return PQgetisnull(result_.get(), row_, column) != 0; }

private:
    void slot(int index) {
        const auto size = static_cast<std::size_t>(index);
        if (values_.size() < size) {
            values_.resize(size);
            types_.resize(size, 0);
            nulls_.resize(size, false);
        }
    }

    void set(int index, Oid type, std::string_view bytes) {
        slot(index);
        const auto at = static_cast<std::size_t>(index - 1);
        values_[at].assign(bytes);
        types_[at] = type;
        nulls_[at] = false;
    }

    void execute() {
        const std::size_t count = values_.size();
        std::vector<const char*> values(count);
        std::vector<int> lengths(count), formats(count, 1);
        for (std::size_t i = 0; i < count; ++i) {
            values[i] = nulls_[i] ? nullptr : values_[i].data();
            lengths[i] = static_cast<int>(values_[i].size());
        }
        db_.reconnectIfLost();
        result_ =
            checked(db_.handle(),
                    PQexecParams(db_.handle(), sql_.c_str(), static_cast<int>(count), types_.data(),
                                 values.data(), lengths.data(), formats.data(), 1),
                    "PostgreSQL");
        row_ = -1;
    }

    PostgresDb& db_;
    std::string sql_;
    std::vector<std::string> values_;
    std::vector<Oid> types_;
    std::vector<bool> nulls_;
    Result result_;
    int row_ = -1;
};

} // namespace

PostgresDb::PostgresDb(const std::string& uri) : conn_(PQconnectdb(uri.c_str())) {
    if (PQstatus(conn_) != CONNECTION_OK) {
        const std::string message = trimmed(conn_ ? PQerrorMessage(conn_) : nullptr);
        PQfinish(conn_);
        throw StorageError("PostgreSQL: " + message);
    }
    // The migrations' IF NOT EXISTS notices are not for the log.
    exec("SET client_min_messages = warning");
}

PostgresDb::~PostgresDb() {
    PQfinish(conn_);
}

void PostgresDb::reconnectIfLost() {
    if (PQstatus(conn_) == CONNECTION_OK)
        return;
    PQreset(conn_);
    if (PQstatus(conn_) != CONNECTION_OK)
        throw StorageError("PostgreSQL: " + trimmed(PQerrorMessage(conn_)));
    exec("SET client_min_messages = warning");
}

void PostgresDb::exec(std::string_view sql) {
    reconnectIfLost();
    checked(conn_, PQexec(conn_, std::string(sql).c_str()), "PostgreSQL");
}

Statement PostgresDb::prepare(std::string_view sql) {
    return Statement(std::make_unique<PostgresStatement>(*this, sql));
}

void PostgresDb::beginWrite() {
    try {
        exec(kBeginWrite);
    } catch (const StorageError&) {
        // BEGIN may have gone through: the connection goes back to its pool
        // outside any transaction. Fails quietly on a lost connection.
        PQclear(PQexec(conn_, "ROLLBACK"));
        throw;
    }
}

void PostgresDb::commitWrite() {
    // The NOTIFY rides in the commit's round trip; PostgreSQL sends it
    // when the transaction commits, and not at all if it does not.
    std::string sql = announce_ ? "NOTIFY " + std::string(kChannel) + "; " : std::string();
    announce_ = false;
    exec(sql.append(kCommitDurably));
}

void PostgresDb::rollbackWrite() {
    announce_ = false;
    if (PQtransactionStatus(conn_) != PQTRANS_IDLE)
        exec("ROLLBACK");
}

std::int64_t PostgresDb::schemaVersion() {
    exec("CREATE TABLE IF NOT EXISTS kavro_schema (version BIGINT NOT NULL)");
    auto row = prepare("SELECT version FROM kavro_schema");
    if (row.step())
        return row.integer(0);
    // The schema's one word SQLite has and PostgreSQL lacks: BLOB.
    exec("CREATE DOMAIN blob AS bytea");
    exec("INSERT INTO kavro_schema (version) VALUES (0)");
    return 0;
}

void PostgresDb::setSchemaVersion(std::int64_t version) {
    prepare("UPDATE kavro_schema SET version = ?").bind(1, version).run();
}

void PostgresDb::announceChange() {
    announce_ = true;
}

} // namespace kavro::server
