// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "edit_delta.h"

#include <nlohmann/json.hpp>

namespace kavro::sync {

// An edit as the replica's record keeps it (and the page may show it):
// values are the order file's JSON texts, null for a field taken away.
nlohmann::ordered_json deltaJson(const EditDelta& delta);
// Throws ReplicaError for anything but what deltaJson writes.
EditDelta deltaOf(const nlohmann::ordered_json& json);

} // namespace kavro::sync
