// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/tform1.h"

#include <nlohmann/json.hpp>

namespace kavro {

// Everything the window shows that is not state, with its place in the
// desktop window: the page builds its form from this.
nlohmann::ordered_json formLayout(const TForm1& form);

} // namespace kavro
