// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/order/order_document.h"
#include "sync/order_replica.h"

#include <nlohmann/json.hpp>
#include <string>

namespace kavro {

// What the page shows of a shared order's troubles, in words, so that the
// page names no field and reads no value itself.
//
// A conflict the server keeps (`conflict`: one as it lists them), as
// {id, row, title, note, fields: [{caption, current, edit, differs}],
// choices: [{keep, caption}]}: the two versions side by side, each field
// in words, and what the user may keep of them. `row` is the opening's
// index in the order shown (-1 where it is not shown: deleted, or the
// order's own fields); `confirmed` is the order as the server holds it.
nlohmann::ordered_json conflictView(const std::string& conflict, const merge::OrderState& confirmed,
                                    const OrderDocument& document);

// An edit kept aside, as {edit, reason, lines}: what it changed, a line a
// change, named as `local` (the order as this device shows it) names them.
nlohmann::ordered_json keptEditView(const sync::KeptEdit& edit, const merge::OrderState& local);

} // namespace kavro
