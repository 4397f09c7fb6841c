// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sql_connection.h"

namespace kavro::server {

Statement& Statement::bind(int index, std::string_view text) {
    backend_->bind(index, text);
    return *this;
}

Statement& Statement::bind(int index, std::int64_t value) {
    backend_->bind(index, value);
    return *this;
}

Statement& Statement::bindNull(int index) {
    backend_->bindNull(index);
    return *this;
}

Statement& Statement::bindBlob(int index, std::string_view bytes) {
    backend_->bindBlob(index, bytes);
    return *this;
}

void Statement::run() {
    while (step()) {
    }
}

Transaction::Transaction(SqlConnection& db) : db_(db) {
    db_.beginWrite();
}

Transaction::~Transaction() {
    if (!done_) {
        try {
            db_.rollbackWrite();
        } catch (const StorageError&) {
            // A failed statement may have rolled back already, or the
            // connection is gone and the transaction with it.
        }
    }
}

void Transaction::commit() {
    db_.commitWrite();
    done_ = true;
}

} // namespace kavro::server
