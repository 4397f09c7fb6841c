// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schema.h"

#include <array>

namespace kavro::server {

namespace {

// Plain SQL that SQLite and PostgreSQL both read: texts for ids (made on
// devices as well as here), whole numbers for times (seconds since the
// epoch) and revisions. Its one word PostgreSQL lacks, BLOB, is a domain
// over bytea there (PostgresDb::schemaVersion); `changes.sequence` is given
// by the storage, not left to either database's own counter.
constexpr std::string_view kFirst = R"sql(
CREATE TABLE firms (
  id TEXT PRIMARY KEY,
  name TEXT NOT NULL UNIQUE
);
CREATE TABLE firm_documents (
  firm_id TEXT NOT NULL REFERENCES firms(id),
  kind TEXT NOT NULL,
  body BLOB NOT NULL,
  PRIMARY KEY (firm_id, kind)
);
CREATE TABLE people (
  id TEXT PRIMARY KEY,
  firm_id TEXT NOT NULL REFERENCES firms(id),
  login TEXT NOT NULL UNIQUE,
  role TEXT NOT NULL,
  password_hash TEXT NOT NULL,
  disabled INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE sessions (
  token_hash TEXT PRIMARY KEY,
  person_id TEXT NOT NULL REFERENCES people(id),
  expires_at BIGINT NOT NULL
);
CREATE TABLE script_tokens (
  id TEXT PRIMARY KEY,
  firm_id TEXT NOT NULL REFERENCES firms(id),
  name TEXT NOT NULL,
  token_hash TEXT NOT NULL UNIQUE
);
CREATE TABLE sign_in_failures (
  key TEXT PRIMARY KEY,
  count BIGINT NOT NULL,
  last_at BIGINT NOT NULL
);
CREATE TABLE orders (
  id TEXT PRIMARY KEY,
  firm_id TEXT NOT NULL REFERENCES firms(id),
  revision BIGINT NOT NULL,
  title TEXT NOT NULL
);
CREATE INDEX orders_by_firm ON orders(firm_id);
CREATE TABLE order_versions (
  order_id TEXT NOT NULL REFERENCES orders(id),
  revision BIGINT NOT NULL,
  fields TEXT NOT NULL,
  sequence TEXT NOT NULL,
  PRIMARY KEY (order_id, revision)
);
CREATE TABLE opening_versions (
  order_id TEXT NOT NULL REFERENCES orders(id),
  opening_id TEXT NOT NULL,
  revision BIGINT NOT NULL,
  fields TEXT,
  PRIMARY KEY (order_id, opening_id, revision)
);
CREATE TABLE edits (
  order_id TEXT NOT NULL REFERENCES orders(id),
  edit_id TEXT NOT NULL,
  revision BIGINT NOT NULL,
  PRIMARY KEY (order_id, edit_id)
);
CREATE TABLE conflicts (
  id TEXT PRIMARY KEY,
  order_id TEXT NOT NULL REFERENCES orders(id),
  revision BIGINT NOT NULL,
  body TEXT NOT NULL
);
CREATE TABLE changes (
  sequence INTEGER PRIMARY KEY,
  firm_id TEXT NOT NULL REFERENCES firms(id),
  kind TEXT NOT NULL,
  object_id TEXT NOT NULL,
  revision BIGINT NOT NULL,
  login TEXT NOT NULL,
  at BIGINT NOT NULL
);
CREATE INDEX changes_by_firm ON changes(firm_id, sequence);
)sql";

// How the firm calls a person, beside the login they sign in with.
constexpr std::string_view kPersonNames = R"sql(
ALTER TABLE people ADD COLUMN name TEXT NOT NULL DEFAULT '';
)sql";

constexpr std::array<std::string_view, 2> kMigrations = {kFirst, kPersonNames};

} // namespace

std::span<const std::string_view> migrations() {
    return kMigrations;
}

} // namespace kavro::server
