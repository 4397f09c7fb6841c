// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "order_merge.h"

#include <string>
#include <vector>

namespace kavro::merge {

// The order of the openings after a merge, holding exactly the openings of
// `merged`. Openings made or deleted on one side do not count as a change
// of order: only the order of openings both sides still have does. When
// both sides reordered them differently the current order stands and a
// conflict holds both, as ids joined by ','.
std::vector<std::string> mergeSequence(const std::vector<std::string>& base,
                                       const std::vector<std::string>& current,
                                       const std::vector<std::string>& edit,
                                       const std::map<std::string, Fields>& merged,
                                       std::vector<Conflict>& conflicts);

} // namespace kavro::merge
