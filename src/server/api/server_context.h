// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "accounts/sign_in.h"
#include "change_notifier.h"
#include "storage/storage.h"

#include <cstdint>
#include <functional>

namespace kavro::server {

// What the API's handlers work with; one per server process.
struct ServerContext {
    Storage& storage;
    SignIn& signIn;
    ChangeNotifier& notifier;
    std::function<std::int64_t()> clock; // seconds since the epoch
};

} // namespace kavro::server
