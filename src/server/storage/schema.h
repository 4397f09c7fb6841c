// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>

namespace kavro::server {

// The database's migrations, numbered from 1 and applied in order; a
// database records the number of the last one it has. A published migration
// is never changed: a change of schema is a new one at the end. SQLite and
// PostgreSQL run the same texts.
std::span<const std::string_view> migrations();

} // namespace kavro::server
